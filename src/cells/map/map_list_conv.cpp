// The conventional channels: receive and transmit frequency, receive and
// transmit tone, and five settings chosen from lists (transmit inhibit,
// narrow, time-out timer, RF power, lockout) plus the scan tag. A channel
// that is not in use shows nothing but its receive frequency, through which
// it is taken into use (the dispatch moves the cursor there).
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/lists/ch_record.h"
#include "cells/codecs/codec_common.h"
#include "cells/codecs/codec_frequency.h"
#include "cells/codecs/codec_selection.h"
#include "cells/codecs/codec_tone.h"
#include "cells/fcache.h"
#include "cells/map/map_list_common.h"
#include "cells/map/map_list_families.h"

namespace xtr {
namespace {

using listcell::RowOf;

struct FrequencyCell {
    FreqSide side;
};
constexpr FrequencyCell kFreqRx{FreqSide::Receive};
constexpr FrequencyCell kFreqTx{FreqSide::Transmit};

void FrequencyHandler(CellCall& call)
{
    datCh* ch = RowOf(call);
    if (ch == nullptr) {
        return;
    }
    if (CodecFrequency(call.rq, call.editorKind, ch->freq, call.Data<FrequencyCell>().side)) {
        // A receive frequency takes the channel into use.
        ch->SetInUse(ch->freq.inUse);
        listcell::StoreRow(*ch);
    }
}

struct ToneCell {
    ToneSide side;
};
constexpr ToneCell kToneRx{ToneSide::Receive};
constexpr ToneCell kToneTx{ToneSide::Transmit};

void ToneHandler(CellCall& call)
{
    datCh* ch = listcell::RowInUse(call);
    if (ch == nullptr) {
        return;
    }
    if (CodecTone(call.rq, call.editorKind, call.lists, ch->tones, call.Data<ToneCell>().side)) {
        listcell::StoreRow(*ch);
    }
}

// The settings of a channel chosen from a list: where the value sits in
// the record.
enum class ChannelSetting { TxInhibit, Narrow, Tot, ScanTag, RfPower, Lockout };

struct SettingCell {
    ChannelSetting setting;
    const char* list;
};

constexpr SettingCell kTxInhibit{ChannelSetting::TxInhibit, "GI_Sheet_Sel_Ch_TxInh"};
constexpr SettingCell kNarrow{ChannelSetting::Narrow, "GI_Sheet_Sel_Ch_Nar"};
constexpr SettingCell kTot{ChannelSetting::Tot, "GI_Sheet_Sel_Misc_OnOff2"};
constexpr SettingCell kScanTag{ChannelSetting::ScanTag, "GI_Sheet_Sel_Misc_OnOff2"};
constexpr SettingCell kRfPower{ChannelSetting::RfPower, "GI_Sheet_Sel_Ch_RfPower"};
constexpr SettingCell kLockout{ChannelSetting::Lockout, "GI_Sheet_Sel_Ch_Lockout"};

std::int32_t SettingOf(const datCh& ch, ChannelSetting setting)
{
    switch (setting) {
    case ChannelSetting::TxInhibit:
        return ch.ConvBit(datCh::kConvTxInhibit) ? 1 : 0;
    case ChannelSetting::Narrow:
        return ch.ConvBit(datCh::kConvNarrow) ? 1 : 0;
    case ChannelSetting::Tot:
        return ch.tot != 0 ? 1 : 0;
    case ChannelSetting::ScanTag:
        return ch.ConvBit(datCh::kConvScanTag) ? 1 : 0;
    case ChannelSetting::RfPower:
        return ch.rfPower;
    case ChannelSetting::Lockout:
        return ch.lockout;
    }
    return 0;
}

void SetSetting(datCh& ch, ChannelSetting setting, std::int32_t value)
{
    switch (setting) {
    case ChannelSetting::TxInhibit:
        ch.SetConvBit(datCh::kConvTxInhibit, value != 0);
        ch.MarkSet(datCh::kSetTxInhibit);
        break;
    case ChannelSetting::Narrow:
        ch.SetConvBit(datCh::kConvNarrow, value != 0);
        ch.MarkSet(datCh::kSetNarrow);
        break;
    case ChannelSetting::Tot:
        ch.tot = value != 0 ? 1 : 0;
        ch.MarkSet(datCh::kSetTot);
        break;
    case ChannelSetting::ScanTag:
        ch.SetConvBit(datCh::kConvScanTag, value != 0);
        break;
    case ChannelSetting::RfPower:
        ch.rfPower = static_cast<std::uint8_t>(value < 0 ? 0 : (value > 2 ? 2 : value));
        ch.MarkSet(datCh::kSetRfPower);
        break;
    case ChannelSetting::Lockout:
        ch.lockout = static_cast<std::uint8_t>(value & 0x03);
        ch.MarkSet(datCh::kSetLockout);
        break;
    }
}

void SettingHandler(CellCall& call)
{
    datCh* ch = listcell::RowInUse(call);
    if (ch == nullptr) {
        return;
    }
    const SettingCell& cell = call.Data<SettingCell>();
    std::int32_t value = SettingOf(*ch, cell.setting);
    if (CodecSelection(call.rq, call.editorKind, call.lists, cell.list, value)) {
        SetSetting(*ch, cell.setting, value);
        listcell::StoreRow(*ch);
        // Show what the channel holds now (the scan tag has no place in the
        // row and reads back as set).
        codec::Show(call.rq, call.lists.TextOf(cell.list, Flex0, SettingOf(*ch, cell.setting)));
    }
}

}  // namespace

void RegisterConventionalCells(CellRegistry& registry)
{
    registry.Register(CL_PersConv_FreqRx, FrequencyHandler, &kFreqRx);
    registry.Register(CL_PersConv_FreqTx, FrequencyHandler, &kFreqTx);
    registry.Register(CL_PersConv_ToneRx, ToneHandler, &kToneRx);
    registry.Register(CL_PersConv_ToneTx, ToneHandler, &kToneTx);
    registry.Register(CL_PersConv_TxInh, SettingHandler, &kTxInhibit);
    registry.Register(CL_PersConv_Nar, SettingHandler, &kNarrow);
    registry.Register(CL_PersConv_Tot, SettingHandler, &kTot);
    registry.Register(CL_PersConv_ScanTag, SettingHandler, &kScanTag);
    registry.Register(CL_PersConv_RfPower, SettingHandler, &kRfPower);
    registry.Register(CL_PersConv_Lockout, SettingHandler, &kLockout);
}

}  // namespace xtr
