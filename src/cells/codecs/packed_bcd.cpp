#include "cells/codecs/packed_bcd.h"

namespace xtr {

void cmcPackedBcd::WriteTo(std::uint8_t* field) const
{
    for (std::int32_t i = 0; i < Count(); ++i) {
        SetNibble(field, i, Digit(i));
    }
}

void cmcPackedBcd::ReadFrom(const std::uint8_t* field, std::int32_t count)
{
    Clear();
    for (std::int32_t i = 0; i < count; ++i) {
        Append(GetNibble(field, i));
    }
}

}  // namespace xtr
