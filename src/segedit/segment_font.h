// The outline of the radio's segment display: every character position is
// the same set of segments, each made of triangles, and a character is the
// set of segments it lights (its mask). The outline is read from the
// overlay entry "GI_PCG_Seg_Data", one line per segment:
//
//   2|(0,0)(4,0)(2,3)|(4,0)(6,3)(2,3)
//
// is a segment of two triangles (the count, then one "|" group of three
// points per triangle; blanks around the numbers are allowed). Lines that
// begin with "//" and empty lines are not segments and may only follow the
// segment lines; a line beginning with "#" ends the entry.
//
// The number of segments fixes the width of a mask: segment 0 is its most
// significant bit (with 14 segments bit 13), the last segment bit 0.
#pragma once

#include "app/canvas.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace xtr {

struct SegPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const SegPoint&) const = default;
};

// Three points in font units and the triangle's number within its segment.
struct dataTriangle {
    SegPoint p[3];
    int number = 0;

    // Whether the point lies in the triangle or on its edges (with a small
    // tolerance, so that a point on an edge counts as inside). A triangle
    // with two coincident corners is the line between its points.
    bool Contains(double x, double y) const;
};

// One segment: its triangles, its number (its line in the outline) and
// whether it is lit.
struct Segment {
    std::vector<dataTriangle> triangles;
    int number = 0;
    std::int32_t lit = 0;

    bool Lit() const { return lit != 0; }
    bool Contains(double x, double y) const;
};

// The user-defined characters' masks as the image holds them: 16
// big-endian 2-byte values, code 16 first.
using SegUserMasks = std::span<const std::uint8_t>;

class Segchar {
public:
    // The outline of the overlay entry "GI_PCG_Seg_Data"; an entry that is
    // not a valid outline is fatal (the overlay is the program's own data).
    static Segchar FromOverlay();

    // Reads an outline; false with a reason when the text is not one (the
    // font is then left empty).
    bool Load(std::string_view entry, std::string* error = nullptr);

    int Count() const { return static_cast<int>(segments_.size()); }
    const std::vector<Segment>& Segments() const { return segments_; }
    bool Empty() const { return segments_.empty() || minX_ > maxX_; }
    std::int32_t MinX() const { return minX_; }
    std::int32_t MaxX() const { return maxX_; }
    std::int32_t MinY() const { return minY_; }
    std::int32_t MaxY() const { return maxY_; }

    // Segment i is lit exactly when bit (Count() - 1 - i) of mask is set.
    void SetMask(std::uint32_t mask);
    // The mask of the lit segments (the inverse of SetMask).
    std::uint32_t Mask() const;
    // Inverts the first segment, in segment order, that contains the point
    // (font units); nothing when none does. Returns the segment, or -1.
    int ToggleAt(std::int32_t x, std::int32_t y);

    // Draws text (its first `length` codes, up to a 0) into rect in
    // `columns` characters per row and `rows` rows, in the canvas font's
    // colour. Characters beyond the first row continue to the right of and
    // below the rectangle; nothing is clipped here.
    void DrawText(Canvas& canvas, const Rect& rect, std::string_view text, int length, int columns, int rows,
                  SegUserMasks userMasks);
    // Draws the character of the current segment states large, for the
    // character editor: lit segments black, dark ones white.
    void DrawEditor(Canvas& canvas) const;
    // The editor's scale, and a position in the editor in font units.
    double EditorScale() const;
    SegPoint EditorToFont(int x, int y) const;

private:
    std::vector<Segment> segments_;
    std::int32_t minX_ = 999999999;
    std::int32_t maxX_ = -999999999;
    std::int32_t minY_ = 999999999;
    std::int32_t maxY_ = -999999999;
};

// The mask of character code `code`: codes 16-31 from the user-defined
// masks (blank when there are not enough of them), 32-127 from the
// built-in table, every other code blank.
std::uint16_t SegCharMask(unsigned code, SegUserMasks userMasks);

// Offset of the editor's drawing from the paint box's corner, and the size
// of the character in it.
inline constexpr int kSegEditorOffset = 10;
inline constexpr int kSegEditorSize = 180;

}  // namespace xtr
