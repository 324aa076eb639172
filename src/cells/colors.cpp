#include "cells/colors.h"

#include "overlay/hash.h"

#include <array>

namespace xtr {
namespace {

struct NamedColor {
    std::string_view name;
    Color value;
};

constexpr Color Sys(std::uint32_t index) { return kSystemColorBase + index; }

constexpr std::array<NamedColor, 38> kColors{{
    {"clAqua", 0xFFFF00},
    {"clBlack", 0x000000},
    {"clBlue", 0xFF0000},
    {"clDkGray", 0x808080},
    {"clFuchsia", 0xFF00FF},
    {"clGray", 0x808080},
    {"clGreen", 0x008000},
    {"clLime", 0x00FF00},
    {"clLtGray", 0xC0C0C0},
    {"clMaroon", 0x000080},
    {"clNavy", 0x800000},
    {"clOlive", 0x008080},
    {"clPurple", 0x800080},
    {"clRed", 0x0000FF},
    {"clSilver", 0xC0C0C0},
    {"clTeal", 0x808000},
    {"clWhite", 0xFFFFFF},
    {"clYellow", 0x00FFFF},
    // System colours, by system colour index
    {"clBackground", Sys(1)},
    {"clActiveCaption", Sys(2)},
    {"clInactiveCaption", Sys(3)},
    {"clMenu", Sys(4)},
    {"clWindow", Sys(5)},
    {"clWindowFrame", Sys(6)},
    {"clMenuText", Sys(7)},
    {"clWindowText", Sys(8)},
    {"clCaptionText", Sys(9)},
    {"clActiveBorder", Sys(10)},
    {"clInactiveBorder", Sys(11)},
    {"clAppWorkSpace", Sys(12)},
    {"clHighlight", Sys(13)},
    {"clHightlightText", Sys(14)},  // this spelling is the one overlays use
    {"clBtnFace", Sys(15)},
    {"clBtnShadow", Sys(16)},
    {"clGrayText", Sys(17)},
    {"clBtnText", Sys(18)},
    {"clInactiveCaptionText", Sys(19)},
    {"clBtnHighlight", Sys(20)},
}};

// Built once, on the first lookup.
struct ColorTable {
    cmcHash hash{101};
    ColorTable()
    {
        for (const NamedColor& color : kColors) {
            hash.Insert(color.name, static_cast<std::int32_t>(color.value));
        }
    }
};

const cmcHash& Colors()
{
    static const ColorTable table;
    return table.hash;
}

}  // namespace

std::optional<Color> ColorOfName(std::string_view name)
{
    const cmcHash::Entry* entry = Colors().Find(name);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return static_cast<Color>(entry->value);
}

int ColorNameCount() { return static_cast<int>(kColors.size()); }

std::string_view ColorNameAt(int i)
{
    return i >= 0 && i < ColorNameCount() ? kColors[static_cast<std::size_t>(i)].name : std::string_view();
}

}  // namespace xtr
