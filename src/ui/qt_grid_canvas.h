// The grid's cell canvas over a QPainter: the screen grid and the printed
// page draw their cells through it.
#pragma once

#include "ui/model/grid_canvas.h"

class QPainter;

namespace xtr::ui {

class QtGridCanvas : public GridCanvas {
public:
    explicit QtGridCanvas(QPainter& painter) : painter_(painter) {}
    void FillRect(const Rect& rect, Color color) override;
    void DrawText(int x, int y, const std::string& text, Color color) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void SetFont(const FontDesc& font) override;
    void DrawImage(const MarkerImages& images, int index, int x, int y) override;
    void OutlinedPolygon(const std::vector<Point>& points, Color fill, Color pen, int penWidth) override;
    void ClipTo(const Rect& rect) override;
    void Unclip() override;

private:
    QPainter& painter_;
    FontDesc font_;
    bool fontSet_ = false;
};

}  // namespace xtr::ui
