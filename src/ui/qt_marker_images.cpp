#include "ui/qt_marker_images.h"

namespace xtr::ui {

int QtMarkerImages::Width() const
{
    // Logical pixels: a high-density pixmap is drawn at its logical size.
    return images_.isEmpty() ? 0 : static_cast<int>(images_.front().deviceIndependentSize().width());
}

const QPixmap* QtMarkerImages::Image(int index) const
{
    return index >= 0 && index < images_.size() ? &images_[index] : nullptr;
}

}  // namespace xtr::ui
