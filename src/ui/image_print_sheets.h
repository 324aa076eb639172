// The sheets of one memory image as they print away from the desktop
// program (the command line's print): the check markers and the display
// texts drawn as the desktop draws them, the cells reading the given image.
// Needs a running QGuiApplication (the markers are pixmaps drawn by code).
#pragma once

#include "ui/model/image_segment_source.h"
#include "ui/print_target.h"
#include "ui/qt_marker_images.h"

namespace xtr {
class cmcEeprom;
class cmcGTex;
class Segchar;
}  // namespace xtr

namespace xtr::ui {

class ImagePrintSheets {
public:
    // Installs the segment source of the image for as long as it lives.
    ImagePrintSheets(cmcGTex& texts, const cmcEeprom& image, Segchar& segmentFont);

    // Creates the (not yet shown) sheet of a reference over the image.
    QtPrintTarget::SheetFactory Factory();
    MarkerImages* Markers() { return &markers_; }

private:
    cmcGTex& texts_;
    const cmcEeprom& image_;
    QtMarkerImages markers_;
    ImageSegmentSource segments_;
};

}  // namespace xtr::ui
