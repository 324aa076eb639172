// What the grid remembers between the user's actions on a sheet: the mouse
// position in a drop-down list, the anchors of keyboard navigation and of a
// range selection, the in-place editor's cell and a few state bits. Plain
// data kept with the sheet; the grid gives it its meaning.
#pragma once

#include <cstdint>
#include <string>

namespace xtr {

namespace sheetstate {
inline constexpr std::uint8_t kProgrammaticSelection = 0x01;  // the sheet moves the cursor's column itself
inline constexpr std::uint8_t kMultiSelectionActive = 0x02;
inline constexpr std::uint8_t kMouseButtonHeld = 0x04;  // left or middle button
}  // namespace sheetstate

struct SheetInteraction {
    // Last mouse position over a list, -1 when none.
    int hoverColumn = -1;
    int hoverRow = -1;
    // Where keyboard navigation measures "closest" from.
    int keyboardAnchorColumn = 0;
    int keyboardAnchorRow = 0;
    // The fixed corner of a range selection, -1 when none.
    int rangeAnchorColumn = -1;
    int rangeAnchorRow = -1;
    // The cell the in-place editor was opened on.
    int editorColumn = -1;
    int editorRow = -1;
    // The pop-up menu built for the cursor's cell last.
    std::string lastPopupMenu;
    std::uint8_t state = 0;

    bool Has(std::uint8_t bit) const { return (state & bit) != 0; }
    void Set(std::uint8_t bit, bool on) { state = on ? (state | bit) : (state & static_cast<std::uint8_t>(~bit)); }
};

}  // namespace xtr
