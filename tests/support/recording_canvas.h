// A canvas for tests: records what is drawn; every character is 7 pixels
// wide and every text 13 pixels high, and the font colour is what the test
// sets.
#pragma once

#include "app/canvas.h"

#include <string>
#include <vector>

namespace xtr::test {

class RecordingCanvas : public Canvas {
public:
    struct Fill {
        Rect rect;
        Color color;
    };
    struct Shape {
        std::vector<Point> points;
        Color fill;
        Color outline;
    };
    struct Text {
        int x;
        int y;
        std::string text;
        Color color;
    };

    void FillRect(const Rect& rect, Color color) override { fills.push_back({rect, color}); }
    void DrawText(int x, int y, const std::string& text, Color color) override { texts.push_back({x, y, text, color}); }
    int TextWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return 13; }
    void Polygon(const Point* points, int count, Color fill, Color outline) override
    {
        polygons.push_back({std::vector<Point>(points, points + count), fill, outline});
    }
    Color FontColor() const override { return fontColor; }

    std::vector<Fill> fills;
    std::vector<Text> texts;
    std::vector<Shape> polygons;
    Color fontColor = kClWindowText;
};

}  // namespace xtr::test
