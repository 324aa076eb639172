// Colour values of the core (0x00BBGGRR, or 0x80000000 + a system colour
// index) as Qt colours.
#pragma once

#include "app/canvas.h"

#include <QColor>

namespace xtr::ui {

QColor ToQColor(Color color);

}  // namespace xtr::ui
