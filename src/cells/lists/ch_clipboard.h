// The row clipboard: consecutive rows of one list, copied as channel
// records and pasted into the same list again. cmcClipCh is the plain
// clipboard; datClipCh, the one the program uses everywhere, pastes rows
// without touching the count byte of a packed list. The application keeps
// one for the whole run (AppClipboard); the row commands use short-lived
// ones to move rows.
#pragma once

#include "cells/lists/ch_record.h"

#include <cstdint>
#include <vector>

namespace xtr {

class cmcEeprom;

class cmcClipCh {
public:
    cmcClipCh() = default;
    virtual ~cmcClipCh() = default;
    cmcClipCh(const cmcClipCh&) = delete;
    cmcClipCh& operator=(const cmcClipCh&) = delete;

    // Frees the rows: list slot 0, no rows.
    virtual void Clear();
    // Clears, then loads `number` consecutive rows of slot from row `first`.
    virtual void Copy(cmcEeprom& image, int slot, std::int32_t first, std::int32_t number);
    // Loads one row into target, bound to image.
    virtual void LoadRow(cmcEeprom& image, int slot, std::int32_t row, datCh& target);
    // True when slot is a list and the copied rows are of it.
    virtual bool Holds(int slot) const;
    // Stores copied row i into row first+i, for i below both the rows held
    // and number; nothing unless the clipboard holds slot. The rows written.
    virtual std::int32_t Paste(cmcEeprom& image, int slot, std::int32_t first, std::int32_t number);
    // Stores source into one row of image.
    virtual void StoreRow(cmcEeprom& image, int slot, std::int32_t row, datCh& source);

    int Slot() const { return slot_; }
    std::int32_t FirstRow() const { return first_; }
    std::int32_t Count() const { return count_; }
    // Copied row i (0 <= i < Count()).
    const datCh& RowAt(std::int32_t i) const { return rows_[static_cast<std::size_t>(i)]; }

private:
    std::vector<datCh> rows_;
    std::uint8_t slot_ = 0;
    std::int32_t first_ = 0;
    std::int32_t count_ = 0;
};

class datClipCh : public cmcClipCh {
public:
    // Takes over the count of the target row's list before storing, so a
    // paste never changes how many entries a packed list holds.
    void StoreRow(cmcEeprom& image, int slot, std::int32_t row, datCh& source) override;

private:
    datCh scratch_;
};

// The application's clipboard, alive for the whole run.
datClipCh& AppClipboard();

}  // namespace xtr
