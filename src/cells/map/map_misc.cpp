// The password (four digits, one per nibble of 0x013F-0x0140, first digit
// in the high nibble of 0x013F; only 0-9 may be typed), the DTMF code (up
// to 24 DTMF digits from 0x03FD, two per byte, their number in 0x03FC) and
// the two clone comments (16 characters of plain text at 0x0188 and
// 0x0198, padded with blanks; the clone file's comment line is made of
// them).
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_text.h"
#include "cells/map/map_common.h"
#include "cells/map/map_families.h"
#include "image/memory_map.h"

namespace xtr::cellmap {
namespace {

constexpr std::int32_t kPassword = 0x013F;
constexpr int kPasswordDigits = 4;

constexpr std::int32_t kDtmfCount = 0x03FC;
constexpr std::int32_t kDtmfDigits = 0x03FD;
constexpr int kDtmfMaxDigits = 24;

using memmap::kCloneComment1;
using memmap::kCloneComment2;
constexpr int kCloneCommentLength = memmap::kCloneCommentSize;

void PasswordHandler(CellCall& call)
{
    std::uint32_t value = Read(call, kPassword, 2);
    if (CodecNibbles(call.rq, call.editorKind, value, kPasswordDigits, false)) {
        Write(call, kPassword, 2, value);
    }
}

void DtmfCodeHandler(CellCall& call)
{
    CodecDtmf(call.rq, call.editorKind, Field(call, kDtmfDigits, kDtmfMaxDigits / 2), Field(call, kDtmfCount),
              kDtmfMaxDigits);
}

void CloneCommentHandler(CellCall& call)
{
    const std::int32_t address = call.Cell().cellId == CL_Comm_CloneComment1 ? kCloneComment1 : kCloneComment2;
    CodecPlainText(call.rq, call.editorKind, Field(call, address, kCloneCommentLength), kCloneCommentLength);
}

}  // namespace

void RegisterMiscCells(CellRegistry& registry)
{
    registry.Register(CL_Comm_Password, PasswordHandler);
    registry.Register(CL_DtmfCode, DtmfCodeHandler);
    registry.Register(CL_Comm_CloneComment1, CloneCommentHandler);
    registry.Register(CL_Comm_CloneComment2, CloneCommentHandler);
}

}  // namespace xtr::cellmap
