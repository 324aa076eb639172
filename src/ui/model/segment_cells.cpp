#include "ui/model/segment_cells.h"

#include "app/text_util.h"
#include "cells/cell_names.h"
#include "segedit/segment_text.h"

namespace xtr {
namespace {

SegmentSource* gSource = nullptr;

}  // namespace

SegmentCellKind SegmentCellKindOf(std::int32_t cellId)
{
    if ((cellId >= CL_SysMes_Aborted && cellId <= CL_SysMes_US_Horn) || cellId == CL_Comm_OpeningText1 ||
        cellId == CL_DirM_Text || cellId == CL_CallSC_Text) {
        return SegmentCellKind::Text;
    }
    if (cellId == CL_CEdit) {
        return SegmentCellKind::UserChar;
    }
    return SegmentCellKind::None;
}

void SetSegmentSource(SegmentSource* source) { gSource = source; }

SegmentSource* TheSegmentSource() { return gSource; }

std::string SegmentCellSpokenText(SegmentCellKind kind, const std::string& shown, SegUserMasks userMasks)
{
    switch (kind) {
    case SegmentCellKind::Text:
        return SegEscape(shown);
    case SegmentCellKind::UserChar: {
        if (shown.empty()) {
            return {};
        }
        const auto code = static_cast<unsigned char>(shown[0]);
        return Format("%%%02X %u", code, static_cast<unsigned>(SegCharMask(code, userMasks)));
    }
    case SegmentCellKind::Picked:
    case SegmentCellKind::None:
        break;
    }
    return shown;
}

}  // namespace xtr
