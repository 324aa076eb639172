#include "cells/codecs/codec_text.h"

#include "cells/codecs/codec_common.h"
#include "cells/codecs/packed_bcd.h"
#include "image/buff.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace xtr {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr char kDtmfDigits[] = "0123456789ABCD*#";

bool IsHexKey(std::int32_t key)
{
    return (key >= '0' && key <= '9') || (key >= 'a' && key <= 'f') || (key >= 'A' && key <= 'F');
}

int HexValue(char c)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper <= '9' ? upper - '0' : upper - 'A' + 10;
}

// Space and backspace open the editor like Enter on the text-like codecs.
bool IsEnterLike(std::int32_t key)
{
    return key == cellkey::kEnter || key == cellkey::kSpace || key == cellkey::kBackspace;
}

}  // namespace

bool CodecPlainText(cmcCellCapsule& rq, int& editorKind, std::uint8_t* field, int length)
{
    bool changed = false;
    if (rq.commitMode == cellcommit::kStore || rq.commitMode == cellcommit::kPreview) {
        // A typed character the field cannot show (a control character, a
        // byte of a double-byte character) is stored as the blank it would
        // show as, so that what is stored is what reads back.
        const std::string& text = rq.editText;
        for (int i = 0; i < length; ++i) {
            const std::uint8_t c = i < static_cast<int>(text.size())
                                       ? static_cast<std::uint8_t>(text[static_cast<std::size_t>(i)])
                                       : static_cast<std::uint8_t>(' ');
            field[i] = c >= 32 && c <= 126 ? c : static_cast<std::uint8_t>(' ');
        }
        changed = true;
    }

    // The image keeps what the radio wrote; only the text shown is cleaned.
    std::string shown(static_cast<std::size_t>(length), ' ');
    for (int i = 0; i < length; ++i) {
        const std::uint8_t b = field[i];
        if (b >= 32 && b <= 126) {
            shown[static_cast<std::size_t>(i)] = static_cast<char>(b);
        }
    }
    shown.erase(shown.find_last_not_of(' ') + 1);

    if (rq.Interactive()) {
        if (IsEnterLike(rq.key)) {
            codec::OpenEditor(rq, editorKind, shown);
            return changed;
        }
        if (codec::IsPrintableKey(rq.key)) {
            codec::OpenEditorWithKey(rq, editorKind);
            return changed;
        }
    }
    codec::Show(rq, std::move(shown));
    return changed;
}

bool CodecNibbles(cmcCellCapsule& rq, int& editorKind, std::uint32_t& value, int digits, bool letters)
{
    bool changed = false;
    if (rq.commitMode == cellcommit::kStore) {
        std::string kept;
        for (char c : rq.editText) {
            if ((c >= '0' && c <= '9') || (letters && IsHexKey(static_cast<unsigned char>(c)))) {
                kept.push_back(c);
            }
        }
        if (!kept.empty()) {
            kept.resize(static_cast<std::size_t>(digits), '0');
            std::uint32_t v = 0;
            for (char c : kept) {
                v = (v << 4) | static_cast<std::uint32_t>(HexValue(c));
            }
            value = v;
            changed = true;
        } else {
            rq.Refuse(cellrefusal::kNoNumber);
        }
    }

    std::string shown;
    for (int i = digits - 1; i >= 0; --i) {
        shown.push_back(kHexDigits[(value >> (4 * i)) & 0x0F]);
    }

    if (rq.Interactive()) {
        if (IsEnterLike(rq.key)) {
            codec::OpenEditor(rq, editorKind, shown);
            return changed;
        }
        if (codec::IsDigitKey(rq.key) || (letters && IsHexKey(rq.key))) {
            codec::OpenEditorWithKey(rq, editorKind);
            return changed;
        }
    }
    codec::Show(rq, std::move(shown));
    return changed;
}

bool CodecDtmf(cmcCellCapsule& rq, int& editorKind, std::uint8_t* digits, std::uint8_t* count, int maxDigits)
{
    bool changed = false;
    if (rq.commitMode == cellcommit::kStore) {
        cmcPackedBcd packed;
        for (char c : rq.editText) {
            if (packed.Count() >= maxDigits) {
                break;  // the field holds no more
            }
            if (c == '*') {
                packed.Append(14);
            } else if (c == '#') {
                packed.Append(15);
            } else if (IsHexKey(static_cast<unsigned char>(c))) {
                packed.Append(HexValue(c));
            }
        }
        if (packed.Count() > 0) {
            for (int i = 0; i < maxDigits; ++i) {
                SetNibble(digits, i, 0);
            }
            packed.WriteTo(digits);
            *count = static_cast<std::uint8_t>(packed.Count());
            changed = true;
        } else {
            rq.Refuse(cellrefusal::kNoNumber);
        }
    }

    const int shownCount = std::min<int>(*count, maxDigits);
    std::string shown;
    for (int i = 0; i < shownCount; ++i) {
        shown.push_back(kDtmfDigits[GetNibble(digits, i)]);
    }

    if (rq.Interactive()) {
        if (IsEnterLike(rq.key)) {
            codec::OpenEditor(rq, editorKind, shown);
            return changed;
        }
        if (IsHexKey(rq.key) || rq.key == '*' || rq.key == '#') {
            codec::OpenEditorWithKey(rq, editorKind);
            return changed;
        }
    }
    codec::Show(rq, std::move(shown));
    return changed;
}

}  // namespace xtr
