#include "ui/qt_text_measurer.h"

#include "ui/qt_fonts.h"

#include <QFontMetrics>
#include <QString>

namespace xtr::ui {

int QtTextMeasurer::LineWidth(std::string_view line, const FontDesc& font)
{
    const QString text = QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size()));
    return QFontMetrics(ToQFont(font)).horizontalAdvance(text);
}

int QtTextMeasurer::LineHeight(std::string_view, const FontDesc& font) { return QFontMetrics(ToQFont(font)).height(); }

}  // namespace xtr::ui
