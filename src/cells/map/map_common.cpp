#include "cells/map/map_common.h"

#include "app/fatal.h"
#include "app/text_util.h"
#include "cells/codecs/codec_common.h"
#include "image/eeprom.h"

namespace xtr::cellmap {

std::uint8_t* Field(CellCall& call, std::int32_t address, int bytes)
{
    cmcEeprom& image = call.image;
    if (bytes < 1 || !image.IsAddress(address) || !image.IsAddress(address + bytes - 1)) {
        Fatal(Format("Out of EEPROM image address (cell map 0x%04X).", address));
    }
    return image.Data() + address;
}

std::uint32_t Read(CellCall& call, std::int32_t address, int bytes)
{
    return codec::ReadBigEndian(Field(call, address, bytes), bytes);
}

void Write(CellCall& call, std::int32_t address, int bytes, std::uint32_t value)
{
    codec::WriteBigEndian(Field(call, address, bytes), bytes, value);
}

}  // namespace xtr::cellmap
