#include "cells/codec_frequency.h"

#include "app/text_util.h"
#include "cells/codec_common.h"

#include <algorithm>

namespace xtr {
namespace {

constexpr std::uint32_t kShowMax = 999'999'999;

std::string MHz(std::uint32_t hz)
{
    hz = std::min(hz, kShowMax);
    return Format("%u.%06u", hz / 1'000'000u, hz % 1'000'000u);
}

}  // namespace

int FrequencyRaster(std::uint32_t hz)
{
    return (hz % 2500 == 0 ? kRaster2500 : 0) | (hz % 3125 == 0 ? kRaster3125 : 0);
}

std::optional<std::uint32_t> FitToRaster(std::uint32_t f)
{
    std::uint32_t p = 1;
    while (p < 100000 && f % (p * 10) == 0) {
        p *= 10;
    }
    const std::uint64_t last = static_cast<std::uint64_t>(f) + p - 1;
    for (std::uint64_t c = f - f % 100000; c <= last; c += 625) {
        if (c >= f && FrequencyRaster(static_cast<std::uint32_t>(c)) != 0) {
            return static_cast<std::uint32_t>(c);
        }
    }
    return std::nullopt;
}

bool CodecFrequency(cmcCellCapsule& rq, int& editorKind, datChFreq& ch, FreqSide side)
{
    const bool receive = side == FreqSide::Receive;
    bool changed = false;

    if (rq.commitMode == cellcommit::kStore) {
        const codec::TypedNumber typed = codec::ParseTyped(rq.editText, ".-");
        if (!typed.empty) {
            const double hz = std::clamp(typed.value * 1e6 + 0.5, 0.0, kFreqEntryMax + 0.5);
            if (const auto fitted = FitToRaster(static_cast<std::uint32_t>(hz))) {
                if (receive) {
                    // A transmit frequency that followed the receive one keeps
                    // following; a new channel starts simplex.
                    if (ch.tx == ch.rx || !ch.inUse) {
                        ch.tx = *fitted;
                    }
                    ch.rx = *fitted;
                    ch.inUse = true;
                } else {
                    ch.tx = *fitted;
                }
                changed = true;
            } else {
                // Off the channel raster, or at or above 800 MHz.
                rq.Refuse(cellrefusal::kFrequency);
            }
        } else {
            rq.Refuse(cellrefusal::kNoNumber);
        }
    }

    const std::uint32_t value = receive ? ch.rx : ch.tx;
    const std::string numeric = ch.inUse ? MHz(value) : std::string();

    if (rq.Interactive()) {
        const std::int32_t key = rq.key;
        if (key == '.') {
            std::string text = numeric.empty() ? std::string(".") : numeric;
            const auto point = static_cast<std::int32_t>(text.find('.'));
            codec::OpenEditorAt(rq, editorKind, std::move(text), point + 1);
            return changed;
        }
        if (key == '=' && !receive) {
            codec::OpenEditor(rq, editorKind, MHz(ch.rx));
            return changed;
        }
        if (codec::IsDigitKey(key)) {
            codec::OpenEditorWithKey(rq, editorKind);
            return changed;
        }
        if (key == cellkey::kEnter || key == cellkey::kSpace || key == cellkey::kBackspace) {
            codec::OpenEditor(rq, editorKind, numeric);
            return changed;
        }
    }

    if (!receive && ch.inUse && ch.tx == ch.rx) {
        codec::SetAlignment(rq, 1);
        codec::Show(rq, "<-");
    } else {
        codec::SetAlignment(rq, 2);
        codec::Show(rq, numeric);
    }
    return changed;
}

}  // namespace xtr
