// Row numbers of the lists: the number column of the packed lists (entries
// numbered from 1, the first free row marked as the place of the next
// entry), plain row numbers from 0 or 1, the directory memory numbers, and
// the grey pillar that marks a column of rows on some sheets.
#include "app/globals.h"
#include "app/text_util.h"
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_common.h"
#include "cells/codecs/codec_row_number.h"
#include "cells/lists/list_geometry.h"
#include "cells/map/map_list_families.h"
#include "cells/numbering/mpt_plan.h"
#include "cells/ui_seams.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"

namespace xtr {
namespace {

struct RowNumberCell {
    int slot;  // the packed list the cell numbers
};

constexpr RowNumberCell kFiveDigitNo{listslot::kFiveDigit};
constexpr RowNumberCell kGroupNo{listslot::kGroups};
constexpr RowNumberCell kHuntNo{listslot::kHuntCh};
constexpr RowNumberCell kAadNo{listslot::kAad};
constexpr RowNumberCell kNddNo{listslot::kPrefNdd};

void RowNumberHandler(CellCall& call)
{
    const auto& data = call.Data<RowNumberCell>();
    CodecRowNumber(call.rq, 1, ListCount(call.image, data.slot), call.Cell().index);
}

void ChNo0Handler(CellCall& call)
{
    codec::Show(call.rq, Format("%d", call.Cell().index));
}

void ChNo1Handler(CellCall& call)
{
    codec::Show(call.rq, Format("%d", call.Cell().index + 1));
}

// In the Cps numbering, dynamic regrouping takes the last directory memory
// for the group the network assigns.
constexpr std::int32_t kDynamicRegrouping = 0x0C30;
constexpr std::int32_t kDynamicRegroupingRow = 39;

void DirMemoryNoHandler(CellCall& call)
{
    const std::int32_t row = call.Cell().index;
    if (row == kDynamicRegroupingRow && CurrentNumbering().scheme == MptScheme::Cps &&
        call.image.GetByte(kDynamicRegrouping) != 0) {
        codec::Show(call.rq, GTex().FirstLine("GI_AppInd_DirM_Dyn_Cps"));
        return;
    }
    codec::Show(call.rq, Format("%d", row + 1));
}

// The lowest 30 % of the cell in grey.
constexpr Color kPillarColor = 0x808080;

void QuarterPillarHandler(CellCall& call)
{
    cmcCellCapsule& rq = call.rq;
    if (rq.canvas == nullptr || rq.rectangle == nullptr) {
        return;
    }
    Rect pillar = *rq.rectangle;
    pillar.top = pillar.bottom - pillar.Height() * 30 / 100;
    rq.canvas->FillRect(pillar, kPillarColor);
}

}  // namespace

void RegisterListRowNumberCells(CellRegistry& registry)
{
    registry.Register(CL_Pers5digit_No, RowNumberHandler, &kFiveDigitNo);
    registry.Register(CL_CallGroup_No, RowNumberHandler, &kGroupNo);
    registry.Register(CL_HuntNNo, RowNumberHandler, &kHuntNo);
    registry.Register(CL_Aad_No, RowNumberHandler, &kAadNo);
    registry.Register(CL_Ndd_No, RowNumberHandler, &kNddNo);
    registry.Register(CL_Misc_ChNo_0Base, ChNo0Handler);
    registry.Register(CL_Misc_ChNo_1Base, ChNo1Handler);
    registry.Register(CL_DirM_ChNo, DirMemoryNoHandler);
    registry.Register(CL_Misc_QuarterPillar, QuarterPillarHandler);
}

}  // namespace xtr
