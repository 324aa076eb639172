// Preparation of the head of the image: the radio's identity and maker text,
// which only the maker sets, the bits of the general settings that no cell
// edits, the clone comments and two values the radio looks up at power-on.
#include "cells/numbering/mpt_layout.h"
#include "cells/prepare/prepare_image_steps.h"
#include "image/memory_map.h"

namespace xtr::prepare {
namespace {

using memmap::kCloneComment1;
using memmap::kCloneComment2;
constexpr std::int32_t kCloneCommentLength = memmap::kCloneCommentSize;

using memmap::kQueryStatusRow;

// A directory entry whose first dial digit is 0xF holds no number.
constexpr int kEmptyDigit = 0x0F;

void CleanText(const Preparation& p, std::int32_t first, std::int32_t length)
{
    for (std::int32_t a = first; a < first + length; ++a) {
        const std::uint8_t c = p.t.GetByte(a);
        if (c < 0x20 || c > 0x7E) {
            p.t.SetByte(a, 0x20);
        }
    }
}

}  // namespace

// The family code (0x0000-0x0002) and the other identity bytes the
// maker programs are never taken from a file or an edited image.
void CopyIdentity(const Preparation& p)
{
    p.CopyBytes(0x0000, 0x0003);
    p.CopyBytes(0x0008, 0x000A);
    p.CopyBits(0x000B, 0x10);
}

// The eight maker characters and the map format byte after them.
void CopyMakerText(const Preparation& p) { p.CopyBytes(memmap::kMakerText, memmap::kMapFormat); }

// The bits of the compander, hook and horn bytes that no cell shows.
void CopyHeadBits(const Preparation& p)
{
    p.CopyBits(0x011E, 0x70);
    p.CopyBits(0x011F, 0xC0);
}

// The radio starts its directory at the first entry that holds a
// number (entry 0 when none does).
void FindFirstDirectoryEntry(const Preparation& p)
{
    std::uint8_t first = 0;
    for (std::int32_t i = 0; i < mptmap::kDirectoryRowCount; ++i) {
        const std::int32_t digits = mptmap::kDirectoryRows + mptmap::kDirectoryRowSize * i + mptmap::kDirectoryDigits;
        if ((p.t.GetByte(digits) >> 4) != kEmptyDigit) {
            first = static_cast<std::uint8_t>(i);
            break;
        }
    }
    p.t.SetByte(0x0118, first);
}

// 2 when the query status is status row 1, otherwise 1.
void SetQueryStatusMode(const Preparation& p)
{
    p.t.SetByte(0x0119, p.t.GetByte(kQueryStatusRow) == 1 ? 2 : 1);
}

// The maker bits of the common option byte and the byte at 0x0112.
void CopyCommonBits(const Preparation& p)
{
    p.CopyBits(0x0147, 0x31);
    p.CopyByte(0x0112);
}

// The clone comments hold printable ASCII only; anything else
// becomes a blank.
void CleanCloneComments(const Preparation& p)
{
    CleanText(p, kCloneComment1, kCloneCommentLength);
    CleanText(p, kCloneComment2, kCloneCommentLength);
}

// The scrambler bit and the horn-byte bit that no cell shows.
void CopyScramblerBits(const Preparation& p)
{
    p.CopyBits(0x0430, 0x04);
    p.CopyBits(0x011F, 0x20);
}

}  // namespace xtr::prepare
