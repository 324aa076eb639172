// Sheets built over small overlays written for one test: the three entries
// of a sheet named "S" (style, basic cell, layout lines), plus a view fake
// that records what the sheet asked of its widgets.
#pragma once

#include "support/overlay_guard.h"
#include "ui/model/sheet.h"
#include "ui/model/sheet_view.h"
#include "ui/model/text_measurer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace xtr::test {

inline std::string SheetEntries(const std::string& name, const std::string& style, const std::string& basic,
                                const std::vector<std::string>& lines)
{
    std::string text = "#" + name + "_Style\n" + style + "\n#" + name + "_BasicCell\n" + basic + "\n#" + name +
                       "_Cells\n";
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

inline std::unique_ptr<OverlayGuard> SheetOverlay(const std::vector<std::string>& lines,
                                                  const std::string& style = "",
                                                  const std::string& basic = "{(Font=,,,12)}")
{
    return OverlayGuard::FromText(SheetEntries("S", style, basic, lines) + "#End\n");
}

// The captions of a grid row, for comparing whole rows at once.
inline std::vector<std::string> Captions(const cuiSheet& sheet, int row)
{
    std::vector<std::string> captions;
    for (int c = 0; c < sheet.ColumnCount(); ++c) {
        captions.push_back(sheet.CellAt(c, row).Caption());
    }
    return captions;
}

// Builds and shows the sheet "S" of overlay, measured by measurer, for
// printer when one is given, at fontHeight (0: as described), its cells
// answered by handler when one is given.
inline std::unique_ptr<cuiSheet> Built(OverlayGuard& overlay, TextMeasurer* measurer = nullptr,
                                       SheetPrinter* printer = nullptr, std::int32_t fontHeight = 0,
                                       SheetCellHandler handler = nullptr, void* handlerContext = nullptr)
{
    auto sheet = std::make_unique<cuiSheet>(nullptr, nullptr, 0, 0, overlay.Store(), "S", nullptr);
    if (handler != nullptr) {
        sheet->SetCellHandler(handler, handlerContext);
    }
    sheet->SetMeasurer(measurer);
    sheet->SetPrinter(printer);
    sheet->SetFontHeight(fontHeight);
    sheet->Show();
    return sheet;
}

// Pixels as a proportional font would give them: 7 per character at
// height 12, scaled with the height; a line is as high as the font.
class ScaledMeasurer : public TextMeasurer {
public:
    int LineWidth(std::string_view line, const FontDesc& font) override
    {
        return static_cast<int>(line.size()) * 7 * font.height / 12;
    }
    int LineHeight(std::string_view, const FontDesc& font) override { return font.height; }
};

// A printer of the given resolution that measures as ScaledMeasurer does.
class FakePrinter : public SheetPrinter {
public:
    explicit FakePrinter(int dpi = 600) : dpi_(dpi) {}
    int DotsPerInchY() const override { return dpi_; }
    TextMeasurer& Measurer() override { return measurer; }
    ScaledMeasurer measurer;

private:
    int dpi_;
};

// Records the calls of a sheet to its widgets. Like the grid, it moves the
// cursor to the first selectable cell (row by row) when the grid is laid
// out, and stays at (0, 0) when there is none.
class FakeSheetView : public SheetView {
public:
    void CreateWidgets(cuiSheet& sheet) override
    {
        calls.push_back("create");
        rowsWhenCreated = sheet.RowCount();
        titleWhenCreated = sheet.GetTitle();
    }
    TextMeasurer& Measurer() override { return measurer; }
    void LayoutGrid(cuiSheet& sheet) override
    {
        calls.push_back("layout");
        busyWhenLaidOut = sheet.Busy();
        for (int r = 0; r < sheet.RowCount(); ++r) {
            for (int c = 0; c < sheet.ColumnCount(); ++c) {
                if (sheet.CellAt(c, r).IsSelectable()) {
                    column = c;
                    row = r;
                    return;
                }
            }
        }
    }
    int CursorColumn() const override { return column; }
    int CursorRow() const override { return row; }
    void PutCursor(int c, int r) override
    {
        calls.push_back("cursor " + std::to_string(c) + "," + std::to_string(r));
        column = c;
        row = r;
    }
    void SetTopLeft(int left, int top) override
    {
        calls.push_back("topleft " + std::to_string(left) + "," + std::to_string(top));
    }
    void SetGridEnabled(bool enabled) override { calls.push_back(enabled ? "enable" : "disable"); }
    void SheetReady(cuiSheet& sheet) override
    {
        calls.push_back("ready");
        busyWhenReady = sheet.Busy();
    }
    void DestroyWidgets(cuiSheet&) override { ++destroyed; }

    CharCellMeasurer measurer;
    std::vector<std::string> calls;
    int column = 0;
    int row = 0;
    int rowsWhenCreated = -1;
    std::string titleWhenCreated;
    bool busyWhenLaidOut = false;
    bool busyWhenReady = true;
    int destroyed = 0;
};

}  // namespace xtr::test
