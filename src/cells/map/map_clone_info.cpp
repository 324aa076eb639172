// The clone information window: what the radio reported about itself at
// the last identify (revision, comments, option unit, over-voltage, serial
// number). The application keeps the identity and words its items; these
// cells only show them. Before any identify they show nothing.
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_common.h"
#include "cells/map/map_families.h"
#include "cells/ui_seams.h"

namespace xtr::cellmap {
namespace {

struct CloneInfoCell {
    std::int32_t cell;
    CloneInfoItem item;
};

// clang-format off
constexpr CloneInfoCell kCloneInfo[] = {
    {CL_CloneInfo_Revision,   CloneInfoItem::Revision},
    {CL_CloneInfo_Comment,    CloneInfoItem::Comment},   // index 0 the first comment, any other the second
    {CL_CloneInfo_Option,     CloneInfoItem::Option},
    {CL_CloneInfo_OverVolt,   CloneInfoItem::OverVolt},
    {CL_CloneInfo_Esn,        CloneInfoItem::Esn},
};
// clang-format on

void CloneInfoHandler(CellCall& call)
{
    const CloneInfoCell& row = call.Data<CloneInfoCell>();
    std::string text;
    if (!TheCellHost().CloneInfoText(row.item, call.Cell().index, text)) {
        text.clear();
    }
    codec::Show(call.rq, std::move(text));
}

}  // namespace

void RegisterCloneInfoCells(CellRegistry& registry)
{
    for (const CloneInfoCell& row : kCloneInfo) {
        registry.Register(row.cell, CloneInfoHandler, &row);
    }
}

}  // namespace xtr::cellmap
