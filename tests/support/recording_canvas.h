// A canvas for tests: records what is drawn; every character is 7 pixels
// wide and every text 13 pixels high.
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

    std::vector<Fill> fills;
    std::vector<Text> texts;
};

}  // namespace xtr::test
