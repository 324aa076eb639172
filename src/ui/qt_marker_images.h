// The grid's warning and error markers: images 8 and 9 of the tree's image
// list.
#pragma once

#include "ui/model/grid_canvas.h"

#include <QList>
#include <QPixmap>

namespace xtr::ui {

class QtMarkerImages : public MarkerImages {
public:
    explicit QtMarkerImages(QList<QPixmap> images) : images_(std::move(images)) {}
    int Width() const override;
    const QPixmap* Image(int index) const;

private:
    QList<QPixmap> images_;
};

}  // namespace xtr::ui
