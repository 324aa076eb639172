#include "cells/lists/ch_clipboard.h"

#include "image/eeprom.h"

namespace xtr {

void cmcClipCh::Clear()
{
    rows_.clear();
    slot_ = 0;
    first_ = 0;
    count_ = 0;
}

void cmcClipCh::Copy(cmcEeprom& image, int slot, std::int32_t first, std::int32_t number)
{
    Clear();
    if (slot <= 0 || number <= 0) {
        return;
    }
    rows_.resize(static_cast<std::size_t>(number));
    for (std::int32_t i = 0; i < number; ++i) {
        LoadRow(image, slot, first + i, rows_[static_cast<std::size_t>(i)]);
    }
    slot_ = static_cast<std::uint8_t>(slot);
    first_ = first;
    count_ = number;
}

void cmcClipCh::LoadRow(cmcEeprom& image, int slot, std::int32_t row, datCh& target)
{
    target.Bind(image);
    target.Load(slot, row);
}

bool cmcClipCh::Holds(int slot) const
{
    return slot != 0 && slot == slot_;
}

std::int32_t cmcClipCh::Paste(cmcEeprom& image, int slot, std::int32_t first, std::int32_t number)
{
    if (!Holds(slot)) {
        return 0;
    }
    std::int32_t written = 0;
    for (std::int32_t i = 0; i < count_ && i < number; ++i) {
        // The copied rows stay as they were copied: a clipboard may be
        // pasted more than once.
        datCh row = rows_[static_cast<std::size_t>(i)];
        StoreRow(image, slot, first + i, row);
        ++written;
    }
    return written;
}

void cmcClipCh::StoreRow(cmcEeprom& image, int slot, std::int32_t row, datCh& source)
{
    // A pasted row is set as a whole: every field takes the copy's value,
    // even where the target row's bits read the same through a limit.
    source.Bind(image);
    source.MarkSet(datCh::kSetEveryField);
    source.Store(slot, row);
}

void datClipCh::StoreRow(cmcEeprom& image, int slot, std::int32_t row, datCh& source)
{
    LoadRow(image, slot, row, scratch_);
    source.count = scratch_.count;
    cmcClipCh::StoreRow(image, slot, row, source);
}

datClipCh& AppClipboard()
{
    static datClipCh clipboard;
    return clipboard;
}

}  // namespace xtr
