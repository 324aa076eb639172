// The highest IFN in use in each of the radio's own fleets (Mpt scheme).
// Individual IFNs run 20-89 with two digits or 200-899 with three, group
// IFNs 90-99 or 900-998; a stored value outside both ranges is first reset
// to the lowest IFN, and an entry outside them is refused.
#include "app/text_util.h"
#include "cells/codecs/codec_common.h"
#include "cells/numbering/mpt_cells_common.h"
#include "cells/numbering/mpt_cells_handlers.h"
#include "cells/numbering/mpt_layout.h"
#include "cells/numbering/mpt_num.h"
#include "cells/numbering/mpt_plan.h"
#include "image/eeprom.h"

namespace xtr::mptcell {
namespace {

struct LastIfnRange {
    std::int32_t twoDigitLow;
    std::int32_t twoDigitHigh;
    std::int32_t threeDigitLow;
    std::int32_t threeDigitHigh;

    bool Holds(std::int32_t value) const
    {
        return (value >= twoDigitLow && value <= twoDigitHigh) || (value >= threeDigitLow && value <= threeDigitHigh);
    }
};

constexpr LastIfnRange kIndividualIfns{20, 89, 200, 899};
constexpr LastIfnRange kGroupIfns{90, 99, 900, 998};

}  // namespace

void LastIfnHandler(CellCall& call)
{
    if (OtherSchemeOnly(call, MptScheme::Mpt)) {
        return;
    }
    const std::uint8_t kind = call.Data<LastIfnCell>().kind;
    const std::int32_t address = kind == kMptGroup ? mptmap::kLastGroup : mptmap::kLastIndividual;
    const LastIfnRange& range = kind == kMptGroup ? kGroupIfns : kIndividualIfns;

    if (!range.Holds(ImageWord(call.image, address))) {
        SetImageWord(call.image, address, range.twoDigitLow);
    }
    std::int32_t entry = 0;
    if (Committing(call)) {
        if (TypedNumber(call, entry) && range.Holds(entry)) {
            SetImageWord(call.image, address, entry);
            call.AddScope(cellscope::kEveryCell);  // the own-fleet numbers depend on it
        } else {
            RefuseEntry(call);
        }
    }
    ShowValue(call, Format("%d", ImageWord(call.image, address)), MptRangeValid(call.image, kind));
    EntryKeys(call);
}

}  // namespace xtr::mptcell
