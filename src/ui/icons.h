// The two image lists of the main form, drawn in code as 16 x 16 pixmaps.
// Overlay descriptions refer to them by index, so the order is fixed:
//   tree:     0 rig, 1 folder, 2 note, 3 note (alternate), 4-7 bank 0-3,
//             8 warning marker, 9 error marker (also the grid's markers)
//   tool bar: 0 new, 1 open, 2 save, 3-6 port 1-4, 7 clone read,
//             8 clone write, 9 clone info, 10 pen, 11 fill, 12 slider
#pragma once

#include <QList>
#include <QPixmap>

namespace xtr::ui {

inline constexpr int kTreeImageCount = 10;
inline constexpr int kToolBarImageCount = 13;

// The pictures are 16 logical pixels across, drawn for a device of the
// given pixel ratio.
QList<QPixmap> TreeImages(qreal devicePixelRatio = 1.0);
// The warning (error) marker, images 8 and 9 of the tree, drawn for a
// device of the given pixel ratio: 16 logical pixels across at any ratio.
QPixmap MarkerPicture(bool error, qreal devicePixelRatio);
QList<QPixmap> ToolBarImages(qreal devicePixelRatio = 1.0);

}  // namespace xtr::ui
