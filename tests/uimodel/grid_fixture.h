// A sheet shown in the widget-free grid: a host fake that records what the
// grid asked of its widget, a canvas that records what was drawn, and a
// cell handler that records every request and answers as a test scripts it.
#pragma once

#include "cells/cell_capsule.h"
#include "sheet_fixture.h"
#include "ui/model/grid_canvas.h"
#include "ui/model/grid_host.h"
#include "ui/model/sheet_grid.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace xtr::test {

// Ten pixels across per byte, the font's height down per line.
class PixelMeasurer : public TextMeasurer {
public:
    int LineWidth(std::string_view line, const FontDesc&) override { return 10 * static_cast<int>(line.size()); }
    int LineHeight(std::string_view, const FontDesc& font) override { return font.height; }
};

class FakeGridHost : public GridHost {
public:
    void CreateWidgets(cuiSheet&) override {}
    void ShowWidgets(cuiSheet&) override {}
    void DestroyWidgets(cuiSheet&) override {}
    TextMeasurer& Measurer() override { return measurer; }
    void InvalidateRect(const Rect& rect) override { invalidated.push_back(rect); }
    void InvalidateAll() override { ++wholeRepaints; }
    void RepaintNow() override { ++repaintsNow; }
    void Pause(int ms) override { pauses.push_back(ms); }
    void ScrollChanged() override {}
    void CursorChanged() override {}
    void SetEnabled(bool on) override { enabled = on; }
    bool HasFocus() const override { return focus; }
    void FocusGrid() override { focus = true; }
    bool ShiftDown() const override { return shift; }
    void ShowEditor(const Rect& rect, const FontDesc&, const std::string& text, int start, int length) override
    {
        editorVisible = true;
        editorRect = rect;
        editorText = text;
        selStart = start;
        selLength = length;
        ++editorOpenings;
    }
    void HideEditor() override { editorVisible = false; }
    bool EditorVisible() const override { return editorVisible; }
    std::string EditorText() const override { return editorText; }
    void PopupMenuChanged(const std::string& name) override { menus.push_back(name); }
    void OpenPopupMenu(int x, int y) override { popupAt.push_back({x, y}); }
    void CloseList() override { ++listsClosed; }

    PixelMeasurer measurer;
    std::vector<Rect> invalidated;
    int wholeRepaints = 0;
    int repaintsNow = 0;
    std::vector<int> pauses;
    bool enabled = true;
    bool focus = true;
    bool shift = false;
    bool editorVisible = false;
    Rect editorRect;
    std::string editorText;
    int selStart = 0;
    int selLength = 0;
    int editorOpenings = 0;
    std::vector<std::string> menus;
    std::vector<Point> popupAt;
    int listsClosed = 0;
};

// Records the requests the sheet makes; the answer is scripted.
struct RecordingHandler {
    struct Seen {
        std::int32_t cellId;
        std::int32_t index;
        std::int32_t key;
        std::int32_t popup;
        std::uint8_t commitMode;
        std::string editText;
        bool notify;
    };
    std::vector<Seen> seen;
    std::function<int(cmcCellCapsule&, bool)> answer;

    static int Handle(void* context, cmcCellCapsule& rq, bool notify)
    {
        auto* self = static_cast<RecordingHandler*>(context);
        if (notify) {
            self->seen.push_back({rq.cell != nullptr ? rq.cell->cellId : kCellNone,
                                  rq.cell != nullptr ? rq.cell->index : 0, rq.key, rq.popupCommand, rq.commitMode,
                                  rq.editText, notify});
        }
        return self->answer ? self->answer(rq, notify) : 0;
    }
    // Only the keys of the requests made.
    std::vector<std::int32_t> Keys() const
    {
        std::vector<std::int32_t> keys;
        for (const Seen& s : seen) {
            keys.push_back(s.key);
        }
        return keys;
    }
};

// A sheet over a small overlay, shown in the grid with a recording handler.
struct GridRig {
    explicit GridRig(const std::vector<std::string>& lines, const std::string& style = "", bool listMode = false,
                     const cmcCellCapsule* context = nullptr, const std::string& basic = "{(Font=,,,12)}")
        : overlay(SheetOverlay(lines, style, basic)), grid(host)
    {
        sheet = std::make_unique<cuiSheet>(&grid, context, 0, 0, overlay->Store(), "S", nullptr);
        sheet->SetCellHandler(&RecordingHandler::Handle, &handler);
        sheet->SetListMode(listMode);
        grid.SetClientSize(1000, 1000);
        sheet->Show();
    }
    std::pair<int, int> Cursor() const { return {grid.CursorColumn(), grid.CursorRow()}; }

    std::unique_ptr<OverlayGuard> overlay;
    FakeGridHost host;
    SheetGrid grid;
    RecordingHandler handler;
    std::unique_ptr<cuiSheet> sheet;
};

class RecordingGridCanvas : public GridCanvas {
public:
    struct Text {
        int x;
        int y;
        std::string text;
        Color color;
        // The rectangle drawing was held to, if any.
        std::optional<Rect> clip;
    };
    struct Fill {
        Rect rect;
        Color color;
    };
    struct Image {
        int index;
        int x;
        int y;
    };
    struct Shape {
        std::vector<Point> points;
        Color fill;
    };
    void FillRect(const Rect& rect, Color color) override { fills.push_back({rect, color}); }
    void DrawText(int x, int y, const std::string& text, Color color) override
    {
        texts.push_back({x, y, text, color, clip});
    }
    void ClipTo(const Rect& rect) override { clip = rect; }
    void Unclip() override { clip.reset(); }
    // Ten units across per character, twelve down per line.
    int TextWidth(const std::string& text) override { return 10 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return 12; }
    void SetFont(const FontDesc& f) override { font = f; }
    void DrawImage(const MarkerImages&, int index, int x, int y) override { images.push_back({index, x, y}); }
    void OutlinedPolygon(const std::vector<Point>& points, Color fill, Color, int) override { shapes.push_back({points, fill}); }

    std::vector<Text> texts;
    std::vector<Fill> fills;
    std::vector<Image> images;
    std::vector<Shape> shapes;
    FontDesc font;
    std::optional<Rect> clip;
};

class SixteenPixelMarkers : public MarkerImages {
public:
    int Width() const override { return 16; }
};

}  // namespace xtr::test
