// The memory image: byte access for the cell map, block copies for the clone
// file and the transfer, whole-image copies and comparisons for the main
// window's change tracking.
#include "image/eeprom.h"

#include "app/fatal.h"

#include <algorithm>
#include <cstring>

namespace xtr {
namespace {

// True when [a, a + n) is a non-empty range inside an image of the given
// size. Computed in 64 bits so that a + n cannot wrap.
bool BlockInside(int32_t a, int32_t n, int32_t size)
{
    return a >= 0 && a < size && n > 0 && int64_t{a} + n <= size;
}

}  // namespace

void cmcEeprom::SetSize(int32_t n)
{
    if (n <= 0) {
        data_.clear();
        data_.shrink_to_fit();
        return;
    }
    data_.assign(static_cast<size_t>(n), 0x00);
}

void cmcEeprom::Fill(uint8_t value)
{
    std::fill(data_.begin(), data_.end(), value);
}

void cmcEeprom::SetByte(int32_t a, uint8_t value)
{
    if (!IsAddress(a)) {
        Fatal("Out of EEPROM image address (SetByte).");
    }
    data_[static_cast<size_t>(a)] = value;
}

uint8_t cmcEeprom::GetByte(int32_t a) const
{
    if (!IsAddress(a)) {
        Fatal("Out of EEPROM image address (GetByte).");
    }
    return data_[static_cast<size_t>(a)];
}

void cmcEeprom::WriteBlock(int32_t a, const uint8_t* source, int32_t n)
{
    if (source == nullptr || !BlockInside(a, n, Size())) {
        return;
    }
    // memmove: the source may be a part of this very image.
    std::memmove(data_.data() + a, source, static_cast<size_t>(n));
}

void cmcEeprom::ReadBlock(int32_t a, uint8_t* destination, int32_t n) const
{
    if (destination == nullptr || !BlockInside(a, n, Size())) {
        return;
    }
    std::memmove(destination, data_.data() + a, static_cast<size_t>(n));
}

void cmcEeprom::CopyFrom(const cmcEeprom& other)
{
    // Sizing clears the image first, so a copy onto itself would wipe it.
    if (&other == this) {
        return;
    }
    if (data_.size() != other.data_.size()) {
        SetSize(other.Size());
    }
    if (!other.data_.empty()) {
        std::memcpy(data_.data(), other.data_.data(), other.data_.size());
    }
}

bool cmcEeprom::Equals(const cmcEeprom& other) const
{
    return data_ == other.data_;
}

}  // namespace xtr
