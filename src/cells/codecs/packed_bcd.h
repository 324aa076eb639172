// cmcPackedBcd: a row of digits (0-15) written two to a byte into the
// image: digit i goes into byte i/2, the high nibble for even i and the low
// nibble for odd i. DTMF codes and dialled numbers are kept this way.
#pragma once

#include "image/buff.h"

#include <cstdint>

namespace xtr {

class cmcPackedBcd {
public:
    void Clear() { digits_.SetLength(0); }
    void Append(int digit) { digits_.AppendByte(static_cast<std::uint8_t>(digit & 0x0F)); }
    std::int32_t Count() const { return digits_.Length(); }
    int Digit(std::int32_t i) const { return *digits_.Element(i); }

    // Writes every digit into field; the other nibble of a byte that gets
    // only one digit is kept.
    void WriteTo(std::uint8_t* field) const;
    // Reads count digits from field.
    void ReadFrom(const std::uint8_t* field, std::int32_t count);

private:
    cmcBuff digits_;
};

}  // namespace xtr
