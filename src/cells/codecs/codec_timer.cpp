#include "cells/codecs/codec_timer.h"

#include "app/globals.h"
#include "app/text_util.h"
#include "cells/codecs/codec_common.h"
#include "cells/ui_seams.h"
#include "overlay/gtex.h"

#include <algorithm>

namespace xtr {
namespace {

std::string Seconds(std::int32_t value, const TimerSpec& spec)
{
    const std::int64_t u = spec.unitsPerSecond > 0 ? spec.unitsPerSecond : 1;
    const std::string text =
        Format("%3lld.%03lld", (long long)(value / u), (long long)((static_cast<std::int64_t>(value) * 1000 / u) % 1000));
    return codec::StripTrailingZeros(text, spec.stripZeros);
}

// "OFF" (any letter case, other characters ignored).
bool TypedOff(std::string_view text)
{
    std::string letters;
    for (char c : text) {
        if (c == 'o' || c == 'O' || c == 'f' || c == 'F') {
            letters.push_back(c);
        }
    }
    return letters.size() >= 2 && (letters[0] == 'o' || letters[0] == 'O') && (letters[1] == 'f' || letters[1] == 'F');
}

bool Commit(cmcCellCapsule& rq, std::int32_t& value, const TimerSpec& spec)
{
    const codec::TypedNumber typed = codec::ParseTyped(rq.editText, ".");
    // Off is 0, and only where 0 lies within the limits: a field whose least
    // value is above 0 (the user CTCSS frequency) cannot be switched off.
    const bool off = spec.min <= 0 && TypedOff(rq.editText);
    if (off) {
        value = 0;
        return true;
    }
    if (typed.empty) {
        return false;
    }
    const double units = (typed.value + 0.0005) * static_cast<double>(spec.unitsPerSecond);
    value = static_cast<std::int32_t>(std::clamp<double>(units, spec.min, spec.max));
    return true;
}

}  // namespace

bool CodecTimer(cmcCellCapsule& rq, int& editorKind, std::int32_t& value, const TimerSpec& spec)
{
    bool changed = false;
    if (rq.commitMode == cellcommit::kStore) {
        changed = Commit(rq, value, spec);
        if (!changed) {
            rq.Refuse(cellrefusal::kNoNumber);
        }
    }

    if (rq.Interactive()) {
        const std::int32_t key = rq.key;
        if (key == cellkey::kSpace || key == cellkey::kBackspace) {
            std::int64_t v = static_cast<std::int64_t>(value) + (key == cellkey::kSpace ? 1 : -1);
            if (v < spec.min) {
                v = spec.max;
            } else if (v > spec.max) {
                v = spec.min;
            }
            value = static_cast<std::int32_t>(v);
            changed = true;
        } else if (codec::IsDigitKey(key) || key == '.' || key == 'o' || key == 'O') {
            codec::OpenEditorWithKey(rq, editorKind);
            return changed;
        } else if (key == cellkey::kEnter) {
            codec::OpenEditor(rq, editorKind, Trim(Seconds(value, spec)));
            return changed;
        }
    }

    if (rq.key == cellkey::kNone && spec.offAllowed && value == 0) {
        codec::SetTextColor(rq, kColorIndication);
        codec::Show(rq, GTex().FirstLine("GI_AppInd_TimerOff"));
    } else {
        codec::Show(rq, Seconds(value, spec));
    }
    return changed;
}

bool CodecTimerByte(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, const TimerSpec& spec)
{
    std::int32_t value = *field;
    const bool changed = CodecTimer(rq, editorKind, value, spec);
    if (changed) {
        *field = static_cast<std::uint8_t>(value);
    }
    return changed;
}

bool CodecTimer16(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, const TimerSpec& spec)
{
    std::int32_t value = static_cast<std::int32_t>(codec::ReadBigEndian(field, 2));
    const bool changed = CodecTimer(rq, editorKind, value, spec);
    if (changed) {
        codec::WriteBigEndian(field, 2, static_cast<std::uint32_t>(value));
    }
    return changed;
}

}  // namespace xtr
