// Measures captions with the screen fonts the grid draws them in.
#pragma once

#include "ui/model/text_measurer.h"

namespace xtr::ui {

class QtTextMeasurer : public TextMeasurer {
public:
    int LineWidth(std::string_view line, const FontDesc& font) override;
    int LineHeight(std::string_view line, const FontDesc& font) override;
};

}  // namespace xtr::ui
