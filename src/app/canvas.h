// A drawing surface as the core sees it: the status panel, the segment font
// and the grid's cells draw through this, so the same code draws on a Qt
// widget, on a printer page or into a recording fake in the tests.
#pragma once

#include <cstdint>
#include <string>

namespace xtr {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Colours are 0x00BBGGRR; 0x80000000 + n names system colour n.
using Color = uint32_t;

inline constexpr Color kClWindow = 0x80000005;
inline constexpr Color kClWindowText = 0x80000008;
inline constexpr Color kClBtnFace = 0x8000000F;
inline constexpr Color kClMaroon = 0x000080;
inline constexpr Color kClWhite = 0xFFFFFF;
inline constexpr Color kClBlack = 0x000000;

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void FillRect(const Rect& rect, Color color) = 0;
    // Draws text with its top-left corner at (x, y), without background.
    virtual void DrawText(int x, int y, const std::string& text, Color color) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    // Fills the polygon through `count` points with fill and draws its
    // outline in outline; the canvas's own pen and brush are left as they
    // were.
    virtual void Polygon(const Point* points, int count, Color fill, Color outline) = 0;
    // The colour of the canvas font: what shapes drawn "as text" (the
    // segment characters) are drawn in.
    virtual Color FontColor() const { return kClWindowText; }
};

}  // namespace xtr
