#include "cells/codecs/codec_tone.h"

#include "app/globals.h"
#include "app/text_util.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_common.h"
#include "cells/fcache.h"
#include "cells/ui_seams.h"
#include "overlay/gtex.h"

#include <cctype>
#include <optional>

namespace xtr {
namespace {

constexpr char kToneList[] = "GI_Sheet_Sel_Ctcss";
constexpr char kToneItems[] = "GI_AppItem_Ctcss";

std::string Upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

void ApplyItem(datTone& tone, std::int32_t item)
{
    if (item == kToneItemNone) {
        tone.flags &= static_cast<std::uint8_t>(~datTone::kInUse);
    } else if (item == kToneItemDtcs) {
        tone.flags = static_cast<std::uint8_t>(datTone::kInUse | datTone::kDtcs | (tone.flags & datTone::kInverted));
        tone.ctcss = 0;
    } else {
        // A tone is one kind or the other: the unused number is cleared so
        // that equal tones compare equal.
        tone.flags = datTone::kInUse;
        tone.ctcss = static_cast<std::uint16_t>(item);
        tone.dtcs = 0;
    }
}

bool IsOctal(char c)
{
    return c >= '0' && c <= '7';
}

// A typed DTCS code: "D" and three octal digits, or three octal digits and
// the polarity "N" or "I" ("023N", "D023", "D754I"). Three digits alone are
// left to the CTCSS items ("100" is 100.0 Hz).
std::optional<datTone> TypedDtcs(const std::string& text, const datTone& current)
{
    std::size_t at = 0;
    const bool prefix = !text.empty() && text[0] == 'D';
    at += prefix ? 1 : 0;
    if (text.size() < at + 3 || !IsOctal(text[at]) || !IsOctal(text[at + 1]) || !IsOctal(text[at + 2])) {
        return std::nullopt;
    }
    const std::string_view polarity = std::string_view(text).substr(at + 3);
    if (polarity.size() > 1 || (polarity.empty() && !prefix) ||
        (polarity.size() == 1 && polarity[0] != 'N' && polarity[0] != 'I')) {
        return std::nullopt;
    }
    datTone tone;
    tone.flags = datTone::kInUse | datTone::kDtcs;
    tone.dtcs = static_cast<std::uint16_t>((text[at] - '0') * 64 + (text[at + 1] - '0') * 8 + (text[at + 2] - '0'));
    const bool inverted = polarity.empty() ? (current.flags & datTone::kInverted) != 0 : polarity[0] == 'I';
    if (inverted) {
        tone.flags |= datTone::kInverted;
    }
    return tone;
}

// The item whose text begins with typed: the only one, or the first of
// several when more than one character was typed.
std::optional<std::int32_t> TypedItem(const std::string& typed)
{
    std::optional<std::int32_t> first;
    int matches = 0;
    for (std::int32_t item = 0;; ++item) {
        const std::string line = GTex().Text(kToneItems, item);
        if (!line.empty() && line[0] == '#') {
            break;
        }
        // Each alias of the item, up to the next comma.
        std::size_t start = 0;
        while (start <= line.size()) {
            std::size_t end = line.find(',', start);
            if (end == std::string::npos) {
                end = line.size();
            }
            const std::string alias = Upper(Trim(std::string_view(line).substr(start, end - start)));
            if (!alias.empty() && alias.compare(0, typed.size(), typed) == 0) {
                if (!first) {
                    first = item;
                }
                ++matches;
                break;
            }
            start = end + 1;
        }
    }
    if (matches == 1 || (matches > 1 && typed.size() > 1)) {
        return first;
    }
    return std::nullopt;
}

}  // namespace

std::int32_t ToneItem(const datTone& tone)
{
    if (!tone.InUse()) {
        return kToneItemNone;
    }
    return tone.IsDtcs() ? kToneItemDtcs : tone.ctcss;
}

std::string DtcsText(const datTone& tone)
{
    const int code = tone.dtcs & 0x1FF;
    return Format("%d%d%d%c", (code >> 6) & 7, (code >> 3) & 7, code & 7,
                  (tone.flags & datTone::kInverted) != 0 ? 'i' : 'N');
}

namespace {

// What the tone list answered through its item cell.
enum class ListAnswer { None, Item, DtcsEditor };

// The list answers while it is open (preview): an item of Flex0 sets the
// tone; the DTCS entry (FlexDtcs) opens the editor on the code as it
// stands, so that the code is typed rather than picked.
ListAnswer TakeListAnswer(cmcCellCapsule& rq, datTone& tone)
{
    const cmcCellCapsule* owner = rq.owner;
    if (owner == nullptr || owner->cell == nullptr || rq.commitMode != cellcommit::kPreview) {
        return ListAnswer::None;
    }
    if (owner->cell->cellId == FlexDtcs) {
        codec::Show(rq, DtcsText(tone));
        rq.RefreshEditor();
        return ListAnswer::DtcsEditor;
    }
    if (owner->cell->cellId == Flex0) {
        ApplyItem(tone, owner->cell->index);
        return ListAnswer::Item;
    }
    return ListAnswer::None;
}

// A stored entry: a DTCS code, else the item its text begins; any other
// text is refused. True when the tone was set.
bool TakeTypedEntry(cmcCellCapsule& rq, datTone& tone)
{
    if (rq.commitMode != cellcommit::kStore) {
        return false;
    }
    const std::string typed = Upper(Trim(rq.editText));
    if (typed.empty()) {
        return false;
    }
    if (const auto dtcs = TypedDtcs(typed, tone)) {
        tone = *dtcs;
        return true;
    }
    if (const auto item = TypedItem(typed)) {
        ApplyItem(tone, *item);
        return true;
    }
    rq.Refuse(cellrefusal::kTone);
    return false;
}

struct KeyOutcome {
    bool changed = false;
    bool editorOpened = false;  // a typed character opened the in-place editor
};

// Keys in a grid: Space and Backspace turn a DTCS code's polarity or step
// through the list, Enter opens the list, another character opens the
// editor with it.
KeyOutcome TakeKey(cmcCellCapsule& rq, int& editorKind, cmcFCache& lists, datTone& tone)
{
    KeyOutcome outcome;
    if (!rq.Interactive()) {
        return outcome;
    }
    const std::int32_t key = rq.key;
    if (key == cellkey::kSpace || key == cellkey::kBackspace) {
        if (tone.InUse() && tone.IsDtcs()) {
            tone.flags ^= datTone::kInverted;
        } else {
            ApplyItem(tone, lists.Step(kToneList, Flex0, ToneItem(tone), key == cellkey::kSpace ? 1 : -1));
        }
        outcome.changed = true;
    } else if (key == cellkey::kEnter) {
        TheCellUi().OpenDropDown(rq, kToneList, Flex0, ToneItem(tone));
        editorKind = celleditor::kDropDown;
    } else if (codec::IsPrintableKey(key) && key != ' ') {
        codec::OpenEditorWithKey(rq, editorKind);
        outcome.editorOpened = true;
    }
    return outcome;
}

// The transmit side shows "<-" while it repeats a receive tone in use.
void ShowTone(cmcCellCapsule& rq, cmcFCache& lists, const datChTones& tones, ToneSide side)
{
    const datTone& tone = side == ToneSide::Receive ? tones.rx : tones.tx;
    codec::SetAlignment(rq, 1);
    if (side == ToneSide::Transmit && tones.rx.InUse() && tones.tx == tones.rx) {
        codec::Show(rq, "<-");
    } else if (tone.InUse() && tone.IsDtcs()) {
        codec::Show(rq, DtcsText(tone));
    } else {
        codec::Show(rq, lists.TextOf(kToneList, Flex0, ToneItem(tone)));
    }
}

}  // namespace

// The list's answer, a typed entry or a key changes the tone of the side;
// a changed receive tone takes along a transmit tone that was the same;
// then the tone is shown, unless an editor opened on a typed character.
bool CodecTone(cmcCellCapsule& rq, int& editorKind, cmcFCache& lists, datChTones& tones, ToneSide side)
{
    const bool receive = side == ToneSide::Receive;
    datTone& tone = receive ? tones.rx : tones.tx;
    const datTone before = tone;

    const ListAnswer answer = TakeListAnswer(rq, tone);
    if (answer == ListAnswer::DtcsEditor) {
        return false;
    }
    bool changed = answer == ListAnswer::Item;
    changed = TakeTypedEntry(rq, tone) || changed;
    const KeyOutcome key = TakeKey(rq, editorKind, lists, tone);
    changed = changed || key.changed;

    if (receive && changed && tones.tx == before) {
        tones.tx = tones.rx;
    }
    if (!key.editorOpened) {
        ShowTone(rq, lists, tones, side);
    }
    return changed;
}

}  // namespace xtr
