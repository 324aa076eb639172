#include "cells/codecs/codec_row_number.h"

#include "app/globals.h"
#include "app/text_util.h"
#include "cells/codecs/codec_common.h"
#include "cells/ui_seams.h"
#include "overlay/gtex.h"

namespace xtr {

void CodecRowNumber(cmcCellCapsule& rq, std::int32_t first, std::int32_t count, std::int32_t row)
{
    if (row < count) {
        codec::SetTextColor(rq, kColorRowWhite);
        codec::Show(rq, Format("%d ", first + row));
    } else if (row == count) {
        codec::SetTextColor(rq, kColorRowYellow);
        codec::Show(rq, GTex().Text("GI_AppInd_OutofCh", 0));
    } else {
        codec::SetTextColor(rq, kColorRowWhite);
        codec::Show(rq, GTex().Text("GI_AppInd_OutofCh", 1));
    }
}

}  // namespace xtr
