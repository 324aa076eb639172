#include "cells/codecs/codec_fixed.h"

#include "app/text_util.h"
#include "cells/codecs/codec_common.h"

#include <algorithm>
#include <cstdlib>

namespace xtr {
namespace {

std::int64_t Power10(int e)
{
    std::int64_t p = 1;
    for (int i = 0; i < e; ++i) {
        p *= 10;
    }
    return p;
}

std::string Shown(std::int32_t value, const FixedSpec& spec)
{
    const std::int64_t unit = Power10(spec.exponent);
    const std::int64_t whole = value / unit;
    const std::int64_t fraction = std::llabs(value % unit) * Power10(spec.decimals) / unit;
    // A negative value above -1 has no sign in its whole part; write it
    // there so that -0.0125 does not read as 0.0125.
    const std::string wholeText = value < 0 && whole == 0 ? Format("%3s", "-0") : Format("%3lld", (long long)whole);
    const std::string format = Format("%%s.%%0%dlld", spec.decimals);
    std::string text = Format(format.c_str(), wholeText.c_str(), (long long)fraction);
    return codec::StripTrailingZeros(std::move(text), spec.stripZeros);
}

}  // namespace

bool CodecFixed(cmcCellCapsule& rq, int& editorKind, std::int32_t& value, const FixedSpec& spec)
{
    const std::int64_t unit = Power10(spec.exponent);
    const std::int64_t step = spec.step > 0 ? spec.step : 1;
    const std::int64_t lo = codec::RoundHalfAway(spec.min * static_cast<double>(unit));
    const std::int64_t hi = codec::RoundHalfAway(spec.max * static_cast<double>(unit));
    bool changed = false;

    if (rq.commitMode == cellcommit::kStore) {
        const codec::TypedNumber typed = codec::ParseTyped(rq.editText, ".-");
        if (!typed.empty) {
            std::int64_t n = codec::RoundHalfAway(typed.value * static_cast<double>(unit));
            n = n / step * step;
            value = static_cast<std::int32_t>(std::clamp(n, lo, hi));
            changed = true;
        } else {
            rq.Refuse(cellrefusal::kNoNumber);
        }
    }

    if (rq.Interactive()) {
        const std::int32_t key = rq.key;
        if (key == '.') {
            std::string text = Trim(Shown(value, spec));
            const std::size_t point = text.find('.');
            const auto caret = static_cast<std::int32_t>(point == std::string::npos ? text.size() : point + 1);
            codec::OpenEditorAt(rq, editorKind, std::move(text), caret);
            return changed;
        }
        if (key == cellkey::kSpace || key == cellkey::kBackspace) {
            std::int64_t v = static_cast<std::int64_t>(value) + (key == cellkey::kSpace ? step : -step);
            if (v < lo) {
                v = hi;
            } else if (v > hi) {
                v = lo;
            }
            value = static_cast<std::int32_t>(v);
            changed = true;
        } else if (key == cellkey::kEnter) {
            codec::OpenEditor(rq, editorKind, Trim(Shown(value, spec)));
            return changed;
        } else if (codec::IsDigitKey(key) || key == '-') {
            codec::OpenEditorWithKey(rq, editorKind);
            return changed;
        }
    }

    codec::Show(rq, Shown(value, spec));
    return changed;
}

}  // namespace xtr
