// Network identity settings whose limits follow other settings. The network
// type (bit 7 of 0x0ECA) splits the system identity differently: with the
// bit set the operator id has 2 bits and LA, LZ, the home zone and the
// fall-back NDD reach their large limits; with it clear the operator id
// has 7 bits and the others their small limits. The channel number limits
// bound each other.
#include "app/globals.h"
#include "cells/cell_names.h"
#include "cells/codecs/codec_common.h"
#include "cells/codecs/codec_integer.h"
#include "cells/map/map_common.h"
#include "cells/map/map_families.h"
#include "image/memory_map.h"
#include "overlay/gtex.h"

#include <algorithm>

namespace xtr::cellmap {
namespace {

using memmap::kNetworkByte;  // bit 7 network type, bits 6-0 operator id
constexpr std::uint8_t kNetworkTypeBit = 0x80;
constexpr std::uint8_t kOperatorIdMask = 0x7F;

bool NetworkTypeSet(CellCall& call)
{
    return (*Field(call, kNetworkByte) & kNetworkTypeBit) != 0;
}

// A value limited by the network type: 0 .. (limitSet or limitClear). A
// stored value above the limit in force is lowered to it, and written back,
// whenever the cell is shown.
struct NetLimitedCell {
    std::int32_t cell;
    std::int32_t address;
    int bytes;
    std::int32_t limitSet;
    std::int32_t limitClear;
};

// clang-format off
constexpr NetLimitedCell kNetLimited[] = {
    //  cell                        address bytes  bit set  bit clear
    {CL_NetId_LA,                   0x0E00, 1,       9,       4},
    {CL_NetId_LZ,                   0x0DFF, 1,       9,       4},
    {CL_NetId_HomeZone,             0x0F19, 2,     511,      15},
    {CL_NetId_FallBack_Ndd,         0x0F2A, 2,     511,      15},
};
// clang-format on

void NetLimitedHandler(CellCall& call)
{
    const NetLimitedCell& row = call.Data<NetLimitedCell>();
    const std::int32_t limit = NetworkTypeSet(call) ? row.limitSet : row.limitClear;
    std::uint8_t* field = Field(call, row.address, row.bytes);
    const std::uint32_t before = codec::ReadBigEndian(field, row.bytes);
    CodecIntegerField(call.rq, call.editorKind, field, row.bytes, {0, limit, 0, 1, nullptr, true});
    // LA and LZ bound the AAD values.
    if (codec::ReadBigEndian(field, row.bytes) != before) {
        ChangesOthers(call);
    }
}

// Operator id: 0-3 with the network type bit set, 0-127 without. A stored
// id above the limit in force (left from the other network type) reads as
// 0 until an entry or key stores a new one; the network type bit is kept.
void OperatorIdHandler(CellCall& call)
{
    std::uint8_t* byte = Field(call, kNetworkByte);
    const std::int32_t limit = (*byte & kNetworkTypeBit) != 0 ? 3 : 127;
    std::int32_t value = *byte & kOperatorIdMask;
    if (value > limit) {
        value = 0;
    }
    if (CodecInteger(call.rq, call.editorKind, value, {0, limit})) {
        *byte = static_cast<std::uint8_t>((*byte & kNetworkTypeBit) | (value & kOperatorIdMask));
    }
}

// The caption of the operator id field changes with the network type.
void NameNetOpidHandler(CellCall& call)
{
    codec::Show(call.rq, GTex().Text("GI_AppInd_NameNetOpid", NetworkTypeSet(call) ? 1 : 0));
}

// Lowest and highest channel number of the network (16-bit each), 1-1023,
// the lowest at most the highest. The block frequencies and hunt channels
// are checked against them.
using memmap::kMinChannel;
using memmap::kMaxChannel;
constexpr std::int32_t kHighestChannel = 1023;

void ChannelLimitHandler(CellCall& call)
{
    const bool lowest = call.Cell().cellId == CL_NetId_MinCHNumber;
    const std::int32_t other = static_cast<std::int32_t>(Read(call, lowest ? kMaxChannel : kMinChannel, 2));
    // The other end may hold anything: keep the range non-empty and within
    // the channel numbers, so that an image with both ends 0 stays editable.
    IntegerSpec spec;
    if (lowest) {
        spec = {1, std::clamp<std::int32_t>(other, 1, kHighestChannel)};
    } else {
        spec = {std::clamp<std::int32_t>(other, 1, kHighestChannel), kHighestChannel};
    }
    if (CodecIntegerField(call.rq, call.editorKind, Field(call, lowest ? kMinChannel : kMaxChannel, 2), 2, spec)) {
        ChangesOthers(call);
    }
}

}  // namespace

void RegisterNetworkCells(CellRegistry& registry)
{
    for (const NetLimitedCell& row : kNetLimited) {
        registry.Register(row.cell, NetLimitedHandler, &row);
    }
    registry.Register(CL_NetId_OperatorID, OperatorIdHandler);
    registry.Register(CL_NetId_NameNetOpid, NameNetOpidHandler);
    registry.Register(CL_NetId_MinCHNumber, ChannelLimitHandler);
    registry.Register(CL_NetId_MaxCHNumber, ChannelLimitHandler);
}

}  // namespace xtr::cellmap
