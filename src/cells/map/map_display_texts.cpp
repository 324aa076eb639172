// The display-text cells and the user-defined character cell.
#include "cells/map/map_display_texts.h"

#include "app/text_util.h"
#include "cells/cell_handlers.h"
#include "cells/cell_handlers_families.h"
#include "cells/cell_names.h"
#include "cells/lists/ch_record.h"
#include "cells/codecs/codec_common.h"
#include "cells/lists/list_geometry.h"
#include "cells/map/map_common.h"
#include "cells/map/map_variant.h"
#include "segedit/segment_text.h"

#include <array>
#include <charconv>

namespace xtr {
namespace {

// The radio's message table: slot k at 0x0FED + 10k, used for as many
// characters as the radio shows there.
constexpr DisplayTextSlot kSlots[kDisplayTextSlotCount] = {
    {0, CL_Comm_OpeningText1, 10},
    {1, CL_SysMes_Killed_Cps, 10},
    {2, CL_SysMes_Connected, 10},
    {3, CL_SysMes_OK, 10},
    {4, CL_SysMes_Aborted, 10},
    {5, CL_SysMes_Failed, 10},
    {6, CL_SysMes_SystemBusy, 10},
    {7, CL_SysMes_NoReply, 10},
    {8, CL_SysMes_Engaged, 10},
    {9, CL_SysMes_CallBack, 10},
    {10, CL_SysMes_ClearDown, 10},
    {11, CL_SysMes_Diverted, 10},
    {12, CL_SysMes_Invalid, 10},
    {13, CL_SysMes_Rejected, 10},
    {14, CL_SysMes_Cancelled, 10},
    {15, CL_SysMes_Timeout, 10},
    {16, CL_SysMes_Calling, 10},
    {17, CL_SysMes_Aborting, 10},
    {18, kCellNone, 10},  // kept by the radio, shown by no cell
    {19, CL_SysMes_Queued, 10},
    {20, CL_SysMes_Ringing, 10},
    {21, CL_SysMes_AutoRfPwr, 5},
    {22, CL_SysMes_Despatcher, 10},
    {23, CL_SysMes_Queue, 3},
    {24, CL_SysMes_Low, 5},
    {25, CL_SysMes_Timer, 5},
    {26, CL_SysMes_Alerting, 10},
    {27, CL_SysMes_OverVoltage, 10},
    {28, CL_SysMes_SystemWide, 10},
    {29, CL_SysMes_Group, 5},
    {30, CL_SysMes_DynamicGrp, 10},
    {31, CL_SysMes_InterFleet, 10},
    {32, CL_SysMes_PABX, 10},
    {33, CL_SysMes_Telephone, 10},
    {34, CL_SysMes_Password, 10},
    {35, CL_SysMes_Ch, 5},
    {36, CL_SysMes_LowBattery, 10},
    {37, CL_SysMes_Off, 5},
    {38, CL_SysMes_On, 5},
    {39, CL_SysMes_Auto, 5},
    {40, CL_SysMes_US_Dimmer, 5},
    {41, CL_SysMes_US_Clear, 5},
    {42, CL_SysMes_US_Answer, 5},
    {43, CL_SysMes_US_Backlight, 5},
    {44, CL_SysMes_US_Ringer, 5},
    {45, CL_SysMes_US_Beep, 5},
    {46, CL_SysMes_US_Contrast, 5},
    {47, CL_SysMes_US_Squelch, 5},
    {48, CL_SysMes_US_Afmin, 5},
    {49, CL_SysMes_US_Compander, 5},
    {50, CL_SysMes_US_Micgain, 5},
    {51, CL_SysMes_US_Voxgain, 5},
    {52, CL_SysMes_US_Voxdelay, 5},
    {53, CL_SysMes_US_Scrambler, 5},
    {54, CL_SysMes_US_Hook, 5},
    {55, CL_SysMes_US_Horn, 5},
};

SegmentEditors* gEditors = nullptr;

bool Storing(const cmcCellCapsule& rq)
{
    return rq.commitMode == cellcommit::kStore || rq.commitMode == cellcommit::kPreview;
}

void OpenTextEditor(CellCall& call, int length, std::string text, bool selectAll)
{
    if (gEditors != nullptr) {
        gEditors->OpenText(call.rq, length, text, selectAll);
        return;
    }
    const auto caret = static_cast<std::int32_t>(text.size());
    if (selectAll) {
        codec::OpenEditor(call.rq, call.editorKind, std::move(text));
    } else {
        codec::OpenEditorAt(call.rq, call.editorKind, std::move(text), caret);
    }
}

// A text field of `length` characters: stores a committed escape text,
// shows the field's bytes, and opens the editor on Enter (Backspace counts
// as Enter) or with a typed character as the whole text. True when the
// request stored.
bool TextField(CellCall& call, std::uint8_t* field, int length, SegTextStyle style)
{
    cmcCellCapsule& rq = call.rq;
    const bool stored = Storing(rq);
    if (stored) {
        SegStoreEscape(field, length, style, rq.editText);
    }
    const std::string shown = SegFieldText(field, length, style);
    codec::Show(rq, shown);

    if (!call.Interactive() || rq.commitMode != cellcommit::kNone) {
        return stored;
    }
    const std::int32_t key = rq.key == cellkey::kBackspace ? cellkey::kEnter : rq.key;
    if (key == cellkey::kEnter) {
        OpenTextEditor(call, length, SegEscape(shown), true);
    } else if (codec::IsPrintableKey(key)) {
        OpenTextEditor(call, length, std::string(1, static_cast<char>(key)), false);
    }
    return stored;
}

void MessageTextHandler(CellCall& call)
{
    const DisplayTextSlot& slot = call.Data<DisplayTextSlot>();
    if (VariantRefuses(call)) {
        return;  // the killed message exists in the Cps firmware only
    }
    std::uint8_t* field = cellmap::Field(call, slot.Address(), slot.length);
    TextField(call, field, slot.length, SegTextStyle::ZeroTerminated);
}

// The text of a directory or status row, through the loaded row record.
struct ListText {
    int slot;
    std::array<std::uint8_t, 10> datCh::*field;
};
constexpr ListText kDirectoryText{listslot::kDirMemory, &datCh::dirText};
constexpr ListText kStatusText{listslot::kStatusCall, &datCh::statusText};

void ListTextHandler(CellCall& call)
{
    const ListText& list = call.Data<ListText>();
    auto* ch = dynamic_cast<datCh*>(call.record);
    if (ch == nullptr || ch->Slot() != list.slot || ch->state == 0) {
        return;  // no row of this list under the cell
    }
    std::array<std::uint8_t, 10>& field = ch->*list.field;
    if (TextField(call, field.data(), static_cast<int>(field.size()), SegTextStyle::BlankPadded)) {
        ch->StoreAndReload();
    }
}

// A mask typed in decimal; anything else (not a number, or more than the
// 16 bits a mask has) is no mask and stores 0.
std::uint16_t TypedMask(const std::string& text)
{
    const std::string typed = Trim(text);
    unsigned value = 0;
    const char* first = typed.data();
    const char* last = typed.data() + typed.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (typed.empty() || error != std::errc{} || end != last || value > 0xFFFF) {
        return 0;
    }
    return static_cast<std::uint16_t>(value);
}

// CL_CEdit, row k: the mask of the character with code 16 + k.
void UserCharHandler(CellCall& call)
{
    cmcCellCapsule& rq = call.rq;
    const std::int32_t row = call.Cell().index;
    if (row < 0 || row >= kUserCharCount) {
        return;
    }
    std::uint8_t* field = cellmap::Field(call, kUserCharMasks + 2 * row, 2);
    if (Storing(rq)) {
        codec::WriteBigEndian(field, 2, TypedMask(rq.editText));
        // Every display text may use the character.
        call.AddScope(cellscope::kEveryCell);
    }
    const auto mask = static_cast<std::uint16_t>(codec::ReadBigEndian(field, 2));
    codec::Show(rq, std::string(1, static_cast<char>(kUserCharFirstCode + row)));

    if (!call.Interactive() || rq.commitMode != cellcommit::kNone || rq.key != cellkey::kEnter) {
        return;
    }
    if (gEditors != nullptr) {
        gEditors->OpenCharacter(rq, mask);
    } else {
        codec::OpenEditor(rq, call.editorKind, Format("%d", mask));
    }
}

}  // namespace

std::span<const DisplayTextSlot> DisplayTextSlots() { return kSlots; }

const DisplayTextSlot* DisplayTextSlotOf(std::int32_t cellId)
{
    if (cellId == kCellNone) {
        return nullptr;
    }
    for (const DisplayTextSlot& slot : kSlots) {
        if (slot.cellId == cellId) {
            return &slot;
        }
    }
    return nullptr;
}

void SetSegmentEditors(SegmentEditors* editors) { gEditors = editors; }
SegmentEditors* TheSegmentEditors() { return gEditors; }

void RegisterDisplayTextCells(CellRegistry& registry)
{
    for (const DisplayTextSlot& slot : kSlots) {
        if (slot.cellId != kCellNone) {
            registry.Register(slot.cellId, MessageTextHandler, &slot);
        }
    }
    registry.Register(CL_DirM_Text, ListTextHandler, &kDirectoryText);
    registry.Register(CL_CallSC_Text, ListTextHandler, &kStatusText);
    registry.Register(CL_CEdit, UserCharHandler);
}

}  // namespace xtr
