// A stage for the list rows and their cells: an overlay with the lists and
// messages they use, a host with a current and a reference image, the
// settings store with the numbering variant, scripted message boxes, an
// event manager whose events are recorded, and a registry holding the list
// cells. Requests go through the real dispatch as the grid makes them.
#pragma once

#include "app/environ.h"
#include "app/events.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"
#include "cells/active_cell.h"
#include "cells/cell_handlers.h"
#include "cells/cell_handlers_families.h"
#include "cells/cell_names.h"
#include "cells/lists/ch_clipboard.h"
#include "cells/lists/ch_commands.h"
#include "cells/lists/ch_record.h"
#include "cells/lists/list_geometry.h"
#include "support/fake_cell_host.h"
#include "support/manual_time.h"
#include "support/overlay_guard.h"
#include "support/scripted_cell_ui.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace xtr::test {

inline const char* const kListOverlay =
    "Overlay of the list tests.\n"
    "#GI_Sys_AppTitle\nTest Title\n"
    "#GI_AppMess_S_Copy\nRows copied\n"
    "#GI_AppMess_S_Paste\nRows pasted\n"
    "#GI_AppMess_S_Clear\nRows cleared\n"
    "#GI_AppMess_S_Delete\nRows deleted\n"
    "#GI_AppMess_S_Insert\nRows inserted\n"
    "#GI_AppMess_Conv_Overwrite\nOverwrite the rows?\n"
    "#GI_AppMess_Conv_Clear\nClear the rows?\n"
    "#GI_AppMess_Conv_Delete\nDelete the rows?\n"
    "#GI_AppMess_Conv_Overflow\nPush rows out?\n"
    "#GI_AppInd_OutofCh\nNew\n--\n"
    "#GI_AppInd_NoQuery\nno query\n"
    "#GI_AppInd_DirM_Dyn_Cps\nDynamic\n"
    "#GI_AppInd_ScrmCodeOff\n Off\n"
    "#GI_Sheet_Sel_Query_Cells\n{S(%Flex0[0])}Normal|{S(%Flex0[1])}Query\n"
    "#GI_Sheet_Sel_ChStep_Cells\n{S(%Flex0[6250])}6.25 kHz|{S(%Flex0[12500])}12.5 kHz\n"
    "#GI_Sheet_Sel_AadType_Cells\n{S(%Flex0[0])}T0|{S(%Flex0[1])}T1|{S(%Flex0[2])}T2|{S(%Flex0[3])}T3\n"
    "#GI_Sheet_Sel_Ch_TxInh_Cells\n{S(%Flex0[0])}Tx|{S(%Flex0[1])}Inhibit\n"
    "#GI_Sheet_Sel_Ch_Nar_Cells\n{S(%Flex0[0])}Wide|{S(%Flex0[1])}Narrow\n"
    "#GI_Sheet_Sel_Misc_OnOff2_Cells\n{S(%Flex0[0])}Off|{S(%Flex0[1])}On\n"
    "#GI_Sheet_Sel_Ch_RfPower_Cells\n{S(%Flex0[0])}High|{S(%Flex0[1])}Mid|{S(%Flex0[2])}Low\n"
    "#GI_Sheet_Sel_Ch_Lockout_Cells\n{S(%Flex0[0])}L0|{S(%Flex0[1])}L1|{S(%Flex0[2])}L2|{S(%Flex0[3])}L3\n"
    "#GI_Sheet_Sel_Ctcss_Cells\n{S(%Flex0[0])}67.0|{S(%Flex0[1])}71.9|{S(%Flex0[52])}None|{S(%FlexDtcs[53])}DTCS\n"
    "#End_Of_Ovl\n";

// The first field in which two rows of the same list differ ("" when
// none). The count, the in-use state of packed lists and the query row are
// the list's, not the row's, and are left out.
inline std::string RowDifference(const datCh& a, const datCh& b)
{
#define XTR_SAME(field)          \
    if (!(a.field == b.field)) { \
        return #field;           \
    }
    XTR_SAME(blockChannel)
    XTR_SAME(fiveDigit)
    XTR_SAME(prefix)
    XTR_SAME(finalIdent)
    XTR_SAME(convBits)
    XTR_SAME(freq.rx)
    XTR_SAME(freq.tx)
    XTR_SAME(channelStep)
    XTR_SAME(tones.rx)
    XTR_SAME(tones.tx)
    XTR_SAME(tot)
    XTR_SAME(rfPower)
    XTR_SAME(lockout)
    XTR_SAME(aadType)
    XTR_SAME(nddLength)
    XTR_SAME(value)
    XTR_SAME(nddPriority)
    XTR_SAME(rangeKind)
    XTR_SAME(rangeLowest)
    XTR_SAME(rangeHighest)
    XTR_SAME(dirNumber)
    XTR_SAME(dirText)
    XTR_SAME(statusText)
    XTR_SAME(groupNumber)
    XTR_SAME(huntChannel)
    XTR_SAME(sysMessText)
    XTR_SAME(scramblerCode)
    XTR_SAME(userChar)
#undef XTR_SAME
    if (!GeometryOf(a.Slot()).Packed() && a.InUse() != b.InUse()) {
        return "in use";
    }
    return "";
}

// What the event manager delivered.
struct HeardEvent {
    int type;
    std::int32_t value;
    std::uintptr_t object;
    std::string text;
};

class ListCells : public ::testing::Test {
protected:
    ListCells()
        : overlay_(OverlayGuard::FromText(kListOverlay)),
          env_(std::make_unique<indEnviron>(kEnvironGuardName, kEnvironPerUserKey,
                                            EnvironServices{&settings_, &guard_, ScreenSize{1024, 768}})),
          host(overlay_->Store())
    {
        previousEnv_ = SetEnv(env_.get());
        previousEvMan_ = SetEvMan(&evman_);
        evman_.Register(&ListCells::Hear, this);
        RegisterListCells(registry);
        AppClipboard().Clear();
    }
    indEnviron* previousEnv_ = nullptr;  // put back on destruction
    cmcEvMan* previousEvMan_ = nullptr;
    ~ListCells() override
    {
        AppClipboard().Clear();
        evman_.Unregister(&ListCells::Hear, this);
        SetEvMan(previousEvMan_);
        SetEnv(previousEnv_);
    }

    void UseCps(bool cps) { env_->modelType = cps ? 1 : 0; }

    cmcEeprom& Image() { return host.CurrentImage(); }
    cmcEeprom& Reference() { return host.ReferenceImage(); }
    std::uint8_t& At(std::int32_t address) { return Image().Data()[address]; }
    void SetWord(std::int32_t address, std::uint32_t value)
    {
        At(address) = static_cast<std::uint8_t>(value >> 8);
        At(address + 1) = static_cast<std::uint8_t>(value);
    }
    std::int32_t Count(int slot) { return ListCount(Image(), slot); }
    void SetCount(int slot, std::int32_t count) { At(GeometryOf(slot).countAddress) = static_cast<std::uint8_t>(count); }

    // Row `row` of list `slot` of the current image.
    datCh Row(int slot, std::int32_t row)
    {
        datCh ch(Image());
        ch.Load(slot, row);
        return ch;
    }

    // Fills both images with bytes no list would hold on purpose.
    void Scramble(unsigned seed)
    {
        std::mt19937 random(seed);
        for (std::int32_t a = 0; a < Image().Size(); ++a) {
            Image().SetByte(a, static_cast<std::uint8_t>(random()));
        }
    }

    // A request for cell (id, index) in list category `category`, as the
    // grid makes it.
    cmcCellCapsule& Request(std::int32_t id, std::int32_t index, std::uint32_t category)
    {
        cell.Reset(nullptr);
        cell.cellId = id;
        cell.index = index;
        cell.category = category;
        rq.Reset();
        rq.callerBlock.fill(0);
        rq.cell = &cell;
        rq.grid = &gridToken_;
        rq.canvas = &canvas;
        canvas.color = 0x80000008;
        return rq;
    }
    const std::string& Run()
    {
        indActiveCell active(host, registry);
        editor = active.Dispatch(rq, true);
        return rq.displayText;
    }
    const std::string& Show(std::int32_t id, std::int32_t index, std::uint32_t category)
    {
        Request(id, index, category);
        return Run();
    }
    const std::string& Press(std::int32_t id, std::int32_t key, std::int32_t index, std::uint32_t category)
    {
        Request(id, index, category).key = key;
        return Run();
    }
    const std::string& Type(std::int32_t id, const std::string& text, std::int32_t index, std::uint32_t category)
    {
        Request(id, index, category).commitMode = cellcommit::kStore;
        rq.editText = text;
        return Run();
    }
    // A pop-up row command on cell (id, row) with the rows first..last
    // selected (none when first < 0).
    void Popup(std::int32_t command, std::int32_t id, std::int32_t row, std::uint32_t category,
               std::int32_t first = -1, std::int32_t last = -1)
    {
        Request(id, row, category).popupCommand = command;
        if (first >= 0) {
            PutRowSelection(rq, first, last);
        }
        Run();
    }

    // Events heard since the last call, of one type.
    std::vector<HeardEvent> Heard(int type) const
    {
        std::vector<HeardEvent> out;
        for (const HeardEvent& event : heard_) {
            if (event.type == type) {
                out.push_back(event);
            }
        }
        return out;
    }
    void ForgetEvents() { heard_.clear(); }

private:
    static void Hear(void* context, const cmcEvent& event)
    {
        static_cast<ListCells*>(context)->heard_.push_back({event.type, event.value, event.object, event.Text()});
    }

    std::unique_ptr<OverlayGuard> overlay_;
    MemorySettings settings_;
    LocalInstanceGuard guard_;
    std::unique_ptr<indEnviron> env_;
    ManualTimeGuard time_;
    cmcEvMan evman_;
    std::vector<HeardEvent> heard_;
    int gridToken_ = 0;

protected:
    FakeCellHost host;
    ScriptedCellUi ui;
    ScriptedMessages messages;
    RecordingCellCanvas canvas;
    CellRegistry registry;
    cmcCellObj cell;
    cmcCellCapsule rq;
    int editor = 0;
};

}  // namespace xtr::test
