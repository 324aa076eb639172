// Fonts of the core (plain values parsed from the overlay) as Qt fonts.
#pragma once

#include "cells/font_desc.h"

#include <QFont>

namespace xtr::ui {

// The face (or the application's default face when empty), the size in
// points, the styles and the pitch of a font description.
QFont ToQFont(const FontDesc& desc);

}  // namespace xtr::ui
