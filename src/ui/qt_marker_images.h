// The grid's warning and error markers: images 8 and 9 of the tree's image
// list, drawn afresh for the pixel ratio of the device they are shown on.
#pragma once

#include "ui/model/grid_canvas.h"

#include <QList>
#include <QPixmap>

#include <map>

namespace xtr::ui {

class QtMarkerImages : public MarkerImages {
public:
    explicit QtMarkerImages(QList<QPixmap> images) : images_(std::move(images)) {}
    // In logical pixels, at every pixel ratio.
    int Width() const override;
    // Image index for a device of devicePixelRatio: the markers at that
    // ratio, the other images as given.
    const QPixmap* Image(int index, qreal devicePixelRatio = 1.0) const;

private:
    QList<QPixmap> images_;
    // The two markers for each ratio asked so far.
    mutable std::map<qreal, QList<QPixmap>> markers_;
};

}  // namespace xtr::ui
