// The number column of the directory memories: a dial string of digits,
// "*" and "#".
#include "app/text_util.h"
#include "cells/codecs/codec_common.h"
#include "cells/numbering/mpt_cells_common.h"
#include "cells/numbering/mpt_cells_handlers.h"
#include "cells/numbering/mpt_dial.h"
#include "cells/numbering/mpt_layout.h"

namespace xtr::mptcell {
namespace {

bool BeginsDialString(std::int32_t key) { return codec::IsDigitKey(key) || key == '*' || key == '#'; }

}  // namespace

void DialStringHandler(CellCall& call)
{
    const std::int32_t row = call.Cell().index;
    if (row < 0 || row >= mptmap::kDirectoryRowCount) {
        codec::Show(call.rq, "");
        return;
    }
    const DialField field = DirectoryDialField(row);
    // Whatever follows the string is kept as end marks, so that the radio
    // and the address derivation see one clean string.
    NormalizeDialString(call.image, field);
    if (Committing(call)) {
        const std::string text = Trim(call.rq.editText);
        // An entry without a single symbol changes nothing.
        if (!text.empty() && BeginsDialString(static_cast<unsigned char>(text[0]))) {
            StoreDialString(call.image, field, text, true);
        } else {
            call.rq.Refuse(cellrefusal::kNotTaken);
        }
    }
    codec::Show(call.rq, DialStringText(call.image, field));
    EntryKeys(call, BeginsDialString);
}

}  // namespace xtr::mptcell
