#include "ui/qt_colors.h"

#include <QApplication>
#include <QPalette>

namespace xtr::ui {
namespace {

// System colour indexes as the overlay names them (clBackground = 1 ...
// clBtnHighlight = 20), mapped onto the nearest palette role.
QColor SystemColor(uint32_t index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 1: return palette.color(QPalette::Window);           // clBackground
    case 2: return palette.color(QPalette::Highlight);        // clActiveCaption
    case 3: return palette.color(QPalette::Inactive, QPalette::Highlight);
    case 4: return palette.color(QPalette::Button);           // clMenu
    case 5: return palette.color(QPalette::Base);             // clWindow
    case 6: return palette.color(QPalette::Shadow);           // clWindowFrame
    case 7: return palette.color(QPalette::ButtonText);       // clMenuText
    case 8: return palette.color(QPalette::Text);             // clWindowText
    case 9: return palette.color(QPalette::HighlightedText);  // clCaptionText
    case 10: return palette.color(QPalette::Mid);             // clActiveBorder
    case 11: return palette.color(QPalette::Midlight);        // clInactiveBorder
    case 12: return palette.color(QPalette::Dark);            // clAppWorkSpace
    case 13: return palette.color(QPalette::Highlight);       // clHighlight
    case 14: return palette.color(QPalette::HighlightedText); // clHighlightText
    case 15: return palette.color(QPalette::Button);          // clBtnFace
    case 16: return palette.color(QPalette::Dark);            // clBtnShadow
    case 17: return palette.color(QPalette::Disabled, QPalette::Text); // clGrayText
    case 18: return palette.color(QPalette::ButtonText);      // clBtnText
    case 19: return palette.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20: return palette.color(QPalette::Light);           // clBtnHighlight
    default: return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor ToQColor(Color color)
{
    if ((color & 0x80000000u) != 0) {
        return SystemColor(color & 0xFFu);
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace xtr::ui
