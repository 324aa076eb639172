// The core's drawing surface over a QPainter.
#pragma once

#include "app/canvas.h"

class QPainter;

namespace xtr::ui {

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter) : painter_(painter) {}
    void FillRect(const Rect& rect, Color color) override;
    void DrawText(int x, int y, const std::string& text, Color color) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void Polygon(const Point* points, int count, Color fill, Color outline) override;
    Color FontColor() const override { return fontColor_; }
    // The colour the canvas font draws in (QFont has none of its own).
    void SetFontColor(Color color) { fontColor_ = color; }

private:
    QPainter& painter_;
    Color fontColor_ = kClWindowText;
};

}  // namespace xtr::ui
