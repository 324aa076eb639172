#include "cells/codecs/codec_integer.h"

#include "app/globals.h"
#include "app/text_util.h"
#include "cells/codecs/codec_common.h"
#include "cells/ui_seams.h"
#include "overlay/gtex.h"

#include <algorithm>

namespace xtr {
namespace {

std::int64_t FloorToStep(std::int64_t v, std::int64_t step)
{
    std::int64_t q = v / step;
    if (v % step != 0 && v < 0) {
        --q;
    }
    return q * step;
}

std::int32_t Clamp(std::int64_t v, const IntegerSpec& spec)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, spec.min, spec.max));
}

std::string Shown(cmcCellCapsule& rq, std::int32_t value, const IntegerSpec& spec)
{
    if (spec.zeroText != nullptr && value == 0) {
        codec::SetTextColor(rq, kColorIndication);
        // The text may carry a leading blank for the cells that append it
        // to a number; shown alone it stands without.
        return Trim(GTex().FirstLine(spec.zeroText));
    }
    return Format("%d", value + spec.offset);
}

bool TypedZeroText(const std::string& text, const IntegerSpec& spec)
{
    if (spec.zeroText == nullptr || spec.min > 0 || spec.max < 0) {
        return false;
    }
    const std::string zero = Trim(GTex().FirstLine(spec.zeroText));
    return !zero.empty() && EqualsIgnoreCase(Trim(text), zero);
}

}  // namespace

bool CodecInteger(cmcCellCapsule& rq, int& editorKind, std::int32_t& value, const IntegerSpec& spec)
{
    const std::int64_t step = spec.step > 0 ? spec.step : 1;
    bool changed = false;

    if (rq.commitMode == cellcommit::kStore) {
        const codec::TypedNumber typed = codec::ParseTyped(rq.editText, ".-");
        if (TypedZeroText(rq.editText, spec)) {
            // The text the cell shows for 0 is taken back as 0, so that a
            // value read off the cell can be stored again.
            value = 0;
            changed = true;
        } else if (!typed.empty) {
            std::int64_t n = codec::RoundHalfAway(typed.value) - spec.offset;
            if (step != 1) {
                n = codec::RoundHalfAway(static_cast<double>(n) / static_cast<double>(step)) * step;
            }
            value = Clamp(n, spec);
            changed = true;
        } else {
            rq.Refuse(cellrefusal::kNoNumber);
        }
    }
    if (spec.clamp) {
        const std::int32_t clamped = Clamp(value, spec);
        changed = changed || clamped != value;
        value = clamped;
    }

    if (rq.Interactive()) {
        const std::int32_t key = rq.key;
        if (key == cellkey::kSpace || key == cellkey::kBackspace) {
            std::int64_t v = static_cast<std::int64_t>(value) + (key == cellkey::kSpace ? step : -step);
            if (v < spec.min) {
                v = spec.max;
            } else if (v > spec.max) {
                v = spec.min;
            }
            value = static_cast<std::int32_t>(FloorToStep(v, step));
            if (spec.clamp) {
                value = Clamp(value, spec);
            }
            changed = true;
        } else if (codec::IsDigitKey(key) || (key == '-' && spec.min < 0)) {
            codec::OpenEditorWithKey(rq, editorKind);
            return changed;
        } else if (key == cellkey::kEnter) {
            codec::OpenEditor(rq, editorKind, Trim(Shown(rq, value, spec)));
            return changed;
        }
    }

    codec::Show(rq, Shown(rq, value, spec));
    return changed;
}

bool CodecIntegerField(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, int bytes, const IntegerSpec& spec)
{
    const std::uint32_t raw = codec::ReadBigEndian(field, bytes);
    std::int32_t value = static_cast<std::int32_t>(raw);
    if (spec.min < 0 && bytes < 4) {
        // Sign-extend the field.
        const std::uint32_t signBit = 1u << (8 * bytes - 1);
        value = static_cast<std::int32_t>((raw ^ signBit)) - static_cast<std::int32_t>(signBit);
    }
    const std::int32_t before = value;
    const bool changed = CodecInteger(rq, editorKind, value, spec);
    if (changed && value != before) {
        codec::WriteBigEndian(field, bytes, static_cast<std::uint32_t>(value));
    }
    return changed;
}

}  // namespace xtr
