#include "ui/model/cell_painter.h"

#include "cells/cell_capsule.h"
#include "cells/ui_seams.h"
#include "ui/model/grid_canvas.h"
#include "ui/model/paper_colors.h"
#include "ui/model/segment_cells.h"
#include "ui/model/sheet.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace xtr {
namespace {

constexpr Color kClHighlight = 0x8000000D;
constexpr Color kClHighlightText = 0x8000000E;
constexpr Color kClSilver = 0xC0C0C0;
constexpr Color kClGrayText = 0x80000011;
constexpr Color kRuleGrey = 0x808080;
// Characters of a display text in one cell.
constexpr int kSegmentColumns = 10;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 1;
    }
}

bool IsPaperWhite(Color color) { return color == kClWindow || color == kClWhite; }

// Keeps drawing inside one cell's rectangle while it lasts, when asked to.
class ClipToCell {
public:
    ClipToCell(GridCanvas& canvas, const Rect& rect, bool clip) : canvas_(canvas), clip_(clip)
    {
        if (clip_) {
            canvas_.ClipTo(rect);
        }
    }
    ~ClipToCell()
    {
        if (clip_) {
            canvas_.Unclip();
        }
    }
    ClipToCell(const ClipToCell&) = delete;
    ClipToCell& operator=(const ClipToCell&) = delete;

private:
    GridCanvas& canvas_;
    bool clip_;
};

}  // namespace

bool CellPainter::Highlighted(int column, int row, const CellPaintState& state) const
{
    if (column == state.cursorColumn && row == state.cursorRow) {
        return true;
    }
    const clsSheetCellId& slot = sheet_.SlotAt(column, row);
    return slot.MayMultiSelect() && (slot.Selected() || slot.LineMarked());
}

CellPaintResult CellPainter::Paint(int column, int row, const Rect& rect, const CellPaintState& state)
{
    CellPaintResult result;
    if (!sheet_.HasSlots() || sheet_.Busy() || sheet_.ColumnWidth(column) < 1 || sheet_.RowHeight(row) < 1) {
        return result;
    }
    const bool printing = sheet_.Printing();
    const int scale = sheet_.Scale();

    // A joined cell is drawn as part of the nearest cell to its left that
    // is not joined, in the rectangle spanning both.
    Rect area = rect;
    int drawn = column;
    while (drawn > 0 && (sheet_.CellAt(drawn, row).look & look::kPlus) != 0) {
        --drawn;
        area.left -= sheet_.ColumnWidth(drawn);
    }
    // ... and across the cells joined to it on the right, so that every part
    // of the span places the text alike; each part draws only inside its
    // own rectangle, so no part of the text is inked twice.
    for (int joined = column + 1;
         joined < sheet_.ColumnCount() && (sheet_.CellAt(joined, row).look & look::kPlus) != 0; ++joined) {
        area.right += sheet_.ColumnWidth(joined);
    }
    const ClipToCell clip(canvas_, rect, area.left != rect.left || area.right != rect.right);
    cmcCellObj& cell = sheet_.CellAt(drawn, row);

    bool highlighted = Highlighted(column, row, state);
    if (!highlighted && (cell.state & state::kT) != 0 && row == state.cursorRow) {
        // A tail is highlighted with the cell it belongs to.
        int owner = drawn;
        while (owner > 0 && (sheet_.CellAt(owner, row).state & state::kT) != 0) {
            --owner;
        }
        highlighted = owner == state.cursorColumn && sheet_.CellAt(owner, row).IsSelectable();
    }

    std::string text = cell.Caption();

    Color background = cell.color;
    // Paper gets light tints and dark text whatever the screen shows.
    const PaperLook paper = PaperLookOf(cell.color);
    if (printing) {
        background = paper.white ? kClWhite : paper.background;
    } else if (highlighted && !state.editorVisible) {
        background = state.hasFocus || sheet_.ListMode() ? kClHighlight : kClBtnFace;
    }
    if (background != kClWhite) {
        canvas_.FillRect(rect, background);
    }
    if ((cell.look & look::kB) != 0) {
        const Color rule = IsPaperWhite(cell.color) ? (printing ? kClBlack : kRuleGrey) : kClWhite;
        canvas_.FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, rule);
    }

    const FontDesc& font = cell.EffectiveFont() != nullptr ? *cell.EffectiveFont() : sheet_.BasicFont();
    canvas_.SetFont(font);
    canvas_.SetTextColor(background == kClHighlight ? kClHighlightText : font.color);

    cmcCellCapsule& request = sheet_.DrawRequest();
    if (cell.cellId != kCellNone) {
        request.Reset();
        request.owner = sheet_.ContextRequest();
        request.cell = &cell;
        request.canvas = &canvas_;
        sheet_.DrawRect() = area;
        request.rectangle = &sheet_.DrawRect();
        if (highlighted) {
            request.result |= cellresult::kCallerBit0;
        }
        if (printing) {
            request.result |= cellresult::kCallerBit1;
        }
        sheet_.Dispatch(request, false);
        text = request.displayText;
        if (drawn == state.refusedColumn && row == state.refusedRow) {
            request.SetError();
        }
    }

    Color textColor = canvas_.TextColor();
    if (printing) {
        textColor = paper.text;
    } else if (background == kClBtnFace &&
               (textColor == kClBtnFace || textColor == kClSilver || textColor == kClGrayText)) {
        textColor = kClWindow;
    }

    // Values of the radio's display are drawn as its segment characters.
    SegmentCellKind segment = SegmentCellKindOf(cell.cellId);
    if (cell.cellId != kCellNone && sheet_.Name() == kSegmentPickerSheet) {
        segment = SegmentCellKind::Picked;
        text = std::string(1, static_cast<char>(cell.index));
    }
    // A cell that answers with one of the program's own indications (a
    // field this variant does not have) shows it as text.
    if (segment != SegmentCellKind::None && canvas_.TextColor() == kColorIndication) {
        segment = SegmentCellKind::None;
        // In the page's own font: the display cell's large font is sized
        // for ten segment characters and would cut the indication.
        canvas_.SetFont(sheet_.BasicFont());
    }
    SegmentSource* source = segment != SegmentCellKind::None ? TheSegmentSource() : nullptr;
    Segchar* segmentFont = source != nullptr ? source->Font() : nullptr;
    if (segmentFont != nullptr && !segmentFont->Empty()) {
        canvas_.SetTextColor(textColor);
        const int columns = segment == SegmentCellKind::Text ? kSegmentColumns : 1;
        segmentFont->DrawText(canvas_, area, text, static_cast<int>(text.size()), columns, 1, source->UserMasks());
        text.clear();
    }

    const std::vector<std::string> lines = Lines(text);
    int textHeight = 0;
    for (const std::string& line : lines) {
        textHeight += canvas_.TextHeight(line);
    }
    int top = area.top + scale;
    if (cell.Placement() == 1) {
        top = area.top + (area.bottom - area.top + 1 - textHeight) / 2;
    } else if (cell.Placement() == 2) {
        top = area.bottom - textHeight - scale;
    }
    int penX = area.left;
    for (const std::string& line : lines) {
        const int width = canvas_.TextWidth(line);
        int left = area.left + 4 * scale;
        if (cell.Alignment() == 1) {
            left = area.left + (area.right - area.left + 1 - width) / 2;
        } else if (cell.Alignment() == 2) {
            left = area.right - width - 4 * scale + 1;
        }
        if (!line.empty()) {
            canvas_.DrawText(left, top, line, textColor);
        }
        penX = left + width;
        top += canvas_.TextHeight(line);
    }

    if (cell.cellId != kCellNone && (request.HasError() || request.HasWarning())) {
        DrawMarker(area, cell.Alignment(), penX, state);
    }
    request.result &= static_cast<std::uint8_t>(~(cellresult::kWarning | cellresult::kError));

    if (column + 1 < sheet_.ColumnCount() && (sheet_.CellAt(column + 1, row).state & state::kT) != 0) {
        result.invalidateNext = true;
    }
    return result;
}

void CellPainter::DrawMarker(const Rect& rect, int alignment, int penX, const CellPaintState&)
{
    const MarkerImages* images = sheet_.Markers();
    if (images == nullptr) {
        return;
    }
    const cmcCellCapsule& request = sheet_.DrawRequest();
    const bool printing = sheet_.Printing();
    const bool error = request.HasError();
    const int s = printing ? rect.Height() / 2 : images->Width();
    const int e = s / 8;
    int mode = request.markerPosition;
    if (mode == 0) {
        mode = alignment == 2 ? 1 : 3;
    }
    int left = rect.right - s - 1;
    if (mode == 1) {
        left = rect.left + e;
    } else if (mode == 3) {
        // Just after the text when there is room before the right edge.
        left = std::min(left, penX);
    }
    if (!printing) {
        canvas_.DrawImage(*images, error ? kErrorImage : kWarningImage, left, rect.bottom - 1 - s);
        return;
    }
    const int x = left;
    const int y = rect.bottom - s - e;
    const int f = s / 2;
    const int g = s - 1;
    auto at = [&](int px, int py) { return Point{x + px, y + py}; };
    if (error) {
        canvas_.OutlinedPolygon({at(e, 0), at(f, f - e), at(g - e, 0), at(g, e), at(f + e, f), at(g, g - e), at(g - e, g),
                         at(f, f + e), at(e, g), at(0, g - e), at(f - e, f), at(0, e)},
                        kClBlack, kClBlack, 1);
        return;
    }
    canvas_.OutlinedPolygon({at(f, 0), at(g, g), at(0, g)}, kClWhite, kClBlack, s / 16 + 1);
    canvas_.OutlinedPolygon({at(f - e, s / 3), at(f + e, s / 3), at(f + s / 10, 2 * s / 3), at(f - s / 10, 2 * s / 3)},
                    kClBlack, kClBlack, 1);
    canvas_.OutlinedPolygon({at(f - s / 10, 3 * s / 4), at(f + s / 10, 3 * s / 4), at(f + s / 10, 3 * s / 4 + s / 6),
                     at(f - s / 10, 3 * s / 4 + s / 6)},
                    kClBlack, kClBlack, 1);
}

}  // namespace xtr
