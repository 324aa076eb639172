#include "ui/qt_marker_images.h"

#include "ui/icons.h"

namespace xtr::ui {

int QtMarkerImages::Width() const
{
    // Logical pixels: a high-density pixmap is drawn at its logical size.
    return images_.isEmpty() ? 0 : static_cast<int>(images_.front().deviceIndependentSize().width());
}

const QPixmap* QtMarkerImages::Image(int index, qreal devicePixelRatio) const
{
    if (index == kWarningImage || index == kErrorImage) {
        auto found = markers_.find(devicePixelRatio);
        if (found == markers_.end()) {
            found = markers_.emplace(devicePixelRatio, QList<QPixmap>{MarkerPicture(false, devicePixelRatio),
                                                                      MarkerPicture(true, devicePixelRatio)})
                        .first;
        }
        return &found->second[index == kErrorImage ? 1 : 0];
    }
    return index >= 0 && index < images_.size() ? &images_[index] : nullptr;
}

}  // namespace xtr::ui
