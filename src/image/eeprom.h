// cmcEeprom: a memory image of the radio's EEPROM. A plain byte array with
// bounds-checked single-byte access (fatal out of range) and block copies
// that silently ignore ranges outside the image.
#pragma once

#include <cstdint>
#include <vector>

namespace xtr {

class cmcEeprom {
public:
    cmcEeprom() = default;

    // Resizes (n <= 0 empties the image) and clears every byte to 0x00,
    // also when the size does not change.
    void SetSize(int32_t n);
    int32_t Size() const { return static_cast<int32_t>(data_.size()); }
    bool IsAddress(int32_t a) const { return a >= 0 && a < Size(); }
    void Fill(uint8_t value);

    // Fatal outside 0..size-1.
    void SetByte(int32_t a, uint8_t value);
    uint8_t GetByte(int32_t a) const;

    // Copy n bytes in or out; nothing happens when a < 0, a >= size, n <= 0
    // or a + n > size.
    void WriteBlock(int32_t a, const uint8_t* source, int32_t n);
    void ReadBlock(int32_t a, uint8_t* destination, int32_t n) const;

    // Exact copy, size included.
    void CopyFrom(const cmcEeprom& other);
    bool Equals(const cmcEeprom& other) const;
    bool Differs(const cmcEeprom& other) const { return !Equals(other); }

    // The byte array that the cell map addresses (empty image: nullptr).
    uint8_t* Data() { return data_.empty() ? nullptr : data_.data(); }
    const uint8_t* Data() const { return data_.empty() ? nullptr : data_.data(); }

private:
    std::vector<uint8_t> data_;
};

}  // namespace xtr
