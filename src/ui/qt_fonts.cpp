#include "ui/qt_fonts.h"

#include <QApplication>

namespace xtr::ui {

QFont ToQFont(const FontDesc& desc)
{
    QFont font = QApplication::font();
    if (!desc.face.empty()) {
        font.setFamily(QString::fromLocal8Bit(desc.face.c_str()));
    }
    if (desc.size > 0) {
        font.setPointSize(desc.size);
    }
    font.setBold((desc.style & kFontBold) != 0);
    font.setItalic((desc.style & kFontItalic) != 0);
    font.setUnderline((desc.style & kFontUnderline) != 0);
    font.setStrikeOut((desc.style & kFontStrikeOut) != 0);
    if (desc.pitch == FontPitch::Fixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    }
    return font;
}

}  // namespace xtr::ui
