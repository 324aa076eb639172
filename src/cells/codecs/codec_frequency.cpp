#include "cells/codecs/codec_frequency.h"

#include "app/text_util.h"
#include "cells/codecs/codec_common.h"

#include <algorithm>

namespace xtr {
namespace {

constexpr std::uint32_t kShowMax = 999'999'999;

// The two channel rasters a frequency may lie on.
constexpr std::uint32_t kRasterAHz = 2500;
constexpr std::uint32_t kRasterBHz = 3125;
// Every frequency of either raster is a multiple of this: the search for a
// raster frequency steps by it.
constexpr std::uint32_t kSearchStepHz = 625;
// The coarsest precision an entry is read with (0.1 MHz): the search starts
// on the boundary of this size below the entry.
constexpr std::uint32_t kCoarsestPrecisionHz = 100'000;

std::string MHz(std::uint32_t hz)
{
    hz = std::min(hz, kShowMax);
    return Format("%u.%06u", hz / 1'000'000u, hz % 1'000'000u);
}

}  // namespace

int FrequencyRaster(std::uint32_t hz)
{
    return (hz % kRasterAHz == 0 ? kRaster2500 : 0) | (hz % kRasterBHz == 0 ? kRaster3125 : 0);
}

// The typed precision decides how far to search: the trailing zeros of the
// entry are digits the user did not type, so any frequency that shows the
// typed digits unchanged will do, and the first raster frequency of that
// span is taken. "450.003" (precision 1 kHz) searches 450.003000 up to
// 450.003999 and becomes 450.003125; "450.0031" (100 Hz) searches up to
// 450.003199 and finds the same; "450.001" finds nothing and is refused.
std::optional<std::uint32_t> FitToRaster(std::uint32_t f)
{
    std::uint32_t precision = 1;
    while (precision < kCoarsestPrecisionHz && f % (precision * 10) == 0) {
        precision *= 10;
    }
    const std::uint64_t last = static_cast<std::uint64_t>(f) + precision - 1;
    for (std::uint64_t c = f - f % kCoarsestPrecisionHz; c <= last; c += kSearchStepHz) {
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
        // A text without a digit ("-", ".", the "<-" a transmit cell shows)
        // names no frequency; read as 0 it would put the channel on 0 MHz.
        if (typed.hasDigit) {
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
