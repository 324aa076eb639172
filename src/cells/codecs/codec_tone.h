// Tone codec: the receive and transmit squelch tones of a conventional
// channel. A tone is off, a CTCSS tone (shown by its item of the list
// "GI_Sheet_Sel_Ctcss") or a DTCS code (three octal digits and the polarity,
// "023N" or "023i"). Typed entries are matched against the item texts of
// "GI_AppItem_Ctcss", one line per item number, aliases separated by commas.
#pragma once

#include "cells/cell_capsule.h"

#include <cstdint>

namespace xtr {

class cmcFCache;

struct datTone {
    std::uint8_t flags = 0;
    std::uint16_t ctcss = 0;  // CTCSS tone number
    std::uint16_t dtcs = 0;   // DTCS code, 9 bits

    static constexpr std::uint8_t kInUse = 0x01;
    static constexpr std::uint8_t kDtcs = 0x02;
    static constexpr std::uint8_t kInverted = 0x04;

    bool InUse() const { return (flags & kInUse) != 0; }
    bool IsDtcs() const { return (flags & kDtcs) != 0; }
    bool operator==(const datTone&) const = default;
};

// The tone part of a conventional channel row.
struct datChTones {
    datTone rx;
    datTone tx;
};

enum class ToneSide { Receive, Transmit };

// Item numbers of the tone lists beside the CTCSS tone numbers.
inline constexpr std::int32_t kToneItemNone = 52;
inline constexpr std::int32_t kToneItemDtcs = 53;

// The item number a tone shows: its CTCSS tone number, kToneItemDtcs or
// kToneItemNone.
std::int32_t ToneItem(const datTone& tone);
// "023N", "754i".
std::string DtcsText(const datTone& tone);

bool CodecTone(cmcCellCapsule& rq, int& editorKind, cmcFCache& lists, datChTones& tones, ToneSide side);

}  // namespace xtr
