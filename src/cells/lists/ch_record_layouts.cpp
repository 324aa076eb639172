// The byte layouts of the list rows. Each list has a decoder that fills
// the record from a row's bytes and an encoder that writes back only the
// fields the record changed. Multi-byte numbers are big-endian.
#include "cells/lists/ch_record.h"

#include "cells/codecs/codec_common.h"
#include "cells/lists/list_geometry.h"

#include <algorithm>

namespace xtr::chlayout {
namespace {

using codec::ReadBigEndian;
using codec::WriteBigEndian;

template <std::size_t N>
void Take(std::array<std::uint8_t, N>& field, const std::uint8_t* bytes, std::size_t n = N)
{
    std::copy(bytes, bytes + n, field.begin());
}

// Writes the first n bytes of a field that changed.
template <std::size_t N>
void PutChanged(const std::array<std::uint8_t, N>& now, const std::array<std::uint8_t, N>& was, std::uint8_t* bytes,
                std::size_t n = N)
{
    if (!std::equal(now.begin(), now.begin() + n, was.begin())) {
        std::copy(now.begin(), now.begin() + n, bytes);
    }
}

void PutBits(std::uint8_t& byte, std::uint8_t mask, unsigned value, int shift)
{
    byte = static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

// --- tones of a conventional channel ---------------------------------------
// Byte 0: bit 7 no tone; bit 6 a DTCS code, with bit 5 the inverted polarity
// and bit 0 bit 8 of the code. Byte 1: the CTCSS tone number or the low 8
// bits of the DTCS code.

datTone DecodeTone(const std::uint8_t* bytes)
{
    datTone tone;
    if ((bytes[0] & 0x80) != 0) {
        return tone;
    }
    if ((bytes[0] & 0x40) != 0) {
        tone.flags = datTone::kInUse | datTone::kDtcs;
        if ((bytes[0] & 0x20) != 0) {
            tone.flags |= datTone::kInverted;
        }
        tone.dtcs = static_cast<std::uint16_t>(((bytes[0] & 0x01) << 8) | bytes[1]);
    } else {
        tone.flags = datTone::kInUse;
        tone.ctcss = bytes[1];
    }
    return tone;
}

void EncodeTone(const datTone& tone, std::uint8_t* bytes)
{
    if (!tone.InUse()) {
        bytes[0] |= 0x80;
    } else if (tone.IsDtcs()) {
        bytes[0] = static_cast<std::uint8_t>(0x40 | ((tone.flags & datTone::kInverted) != 0 ? 0x20 : 0) |
                                             ((tone.dtcs >> 8) & 0x01));
        bytes[1] = static_cast<std::uint8_t>(tone.dtcs & 0xFF);
    } else {
        bytes[0] = 0x00;
        bytes[1] = static_cast<std::uint8_t>(tone.ctcss & 0xFF);
    }
}

// --- 5-digit entries: bytes 0-2 the number, byte 3 prefix - 200, bytes 4-5
// the final ident.
void DecodeFiveDigit(datCh& ch, const std::uint8_t* b)
{
    Take(ch.fiveDigit, b, 3);
    ch.prefix = b[3] + 200;
    Take(ch.finalIdent, b + 4);
}
void EncodeFiveDigit(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    PutChanged(ch.fiveDigit, was.fiveDigit, b, 3);
    if (ch.prefix != was.prefix) {
        b[3] = static_cast<std::uint8_t>((ch.prefix - 200) & 0xFF);
    }
    PutChanged(ch.finalIdent, was.finalIdent, b + 4);
}

// --- call ranges: bytes 0-1 lowest, bytes 2-3 highest ident.
void DecodeRange(datCh& ch, const std::uint8_t* b)
{
    Take(ch.rangeLowest, b);
    Take(ch.rangeHighest, b + 2);
}
void DecodeRangeInd(datCh& ch, const std::uint8_t* b)
{
    ch.rangeKind = 0;
    DecodeRange(ch, b);
}
void DecodeRangeGrp(datCh& ch, const std::uint8_t* b)
{
    ch.rangeKind = 1;
    DecodeRange(ch, b);
}
void EncodeRange(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    PutChanged(ch.rangeLowest, was.rangeLowest, b);
    PutChanged(ch.rangeHighest, was.rangeHighest, b + 2);
}

// --- system messages: a 10-character text.
void DecodeSysMess(datCh& ch, const std::uint8_t* b)
{
    Take(ch.sysMessText, b);
}
void EncodeSysMess(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    PutChanged(ch.sysMessText, was.sysMessText, b);
}

// --- directory memories: bytes 0-9 the text, 10-25 the number digits. The
// prefix and ident in bytes 26-28 are derived from the number when the
// image is prepared and are not part of the record.
void DecodeDirMemory(datCh& ch, const std::uint8_t* b)
{
    Take(ch.dirText, b);
    Take(ch.dirNumber, b + 10);
}
void EncodeDirMemory(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    PutChanged(ch.dirText, was.dirText, b);
    PutChanged(ch.dirNumber, was.dirNumber, b + 10);
}

// --- status texts.
void DecodeStatus(datCh& ch, const std::uint8_t* b)
{
    Take(ch.statusText, b);
}
void EncodeStatus(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    PutChanged(ch.statusText, was.statusText, b);
}

// --- group calls: the 4-byte group number.
void DecodeGroup(datCh& ch, const std::uint8_t* b)
{
    Take(ch.groupNumber, b);
}
void EncodeGroup(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    PutChanged(ch.groupNumber, was.groupNumber, b);
}

// --- frequency blocks: bytes 0-1 channel number, 2-5 receive and 6-9
// transmit frequency in Hz, 10-11 the channel step.
void DecodeBlock(datCh& ch, const std::uint8_t* b)
{
    ch.blockChannel = static_cast<std::int32_t>(ReadBigEndian(b, 2));
    ch.freq.rx = ReadBigEndian(b + 2, 4);
    ch.freq.tx = ReadBigEndian(b + 6, 4);
    ch.channelStep = static_cast<std::int32_t>(ReadBigEndian(b + 10, 2));
}
void EncodeBlock(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    if (ch.blockChannel != was.blockChannel) {
        WriteBigEndian(b, 2, static_cast<std::uint32_t>(ch.blockChannel));
    }
    if (ch.freq.rx != was.freq.rx) {
        WriteBigEndian(b + 2, 4, ch.freq.rx);
    }
    if (ch.freq.tx != was.freq.tx) {
        WriteBigEndian(b + 6, 4, ch.freq.tx);
    }
    if (ch.channelStep != was.channelStep) {
        WriteBigEndian(b + 10, 2, static_cast<std::uint32_t>(ch.channelStep));
    }
}

// --- AAD entries: bits 15-14 the type, bits 9-0 the value.
void DecodeAad(datCh& ch, const std::uint8_t* b)
{
    ch.aadType = static_cast<std::uint8_t>(b[0] >> 6);
    ch.value = static_cast<std::uint16_t>(ReadBigEndian(b, 2) & 0x03FF);
}
void EncodeAad(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    if (ch.aadType != was.aadType) {
        PutBits(b[0], 0xC0, ch.aadType, 6);
    }
    if (ch.value != was.value) {
        PutBits(b[0], 0x03, ch.value >> 8, 0);
        b[1] = static_cast<std::uint8_t>(ch.value & 0xFF);
    }
}

// --- hunt channels: bytes 0-1 the channel number; byte 2 is not the
// record's.
void DecodeHunt(datCh& ch, const std::uint8_t* b)
{
    ch.huntChannel = static_cast<std::int32_t>(ReadBigEndian(b, 2));
}
void EncodeHunt(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    if (ch.huntChannel != was.huntChannel) {
        WriteBigEndian(b, 2, static_cast<std::uint32_t>(ch.huntChannel));
    }
}

// --- preferred NDD entries: bits 9-0 of bytes 0-1 the value, byte 2 the
// length (0..9), byte 3 the priority (1..10).
void DecodeNdd(datCh& ch, const std::uint8_t* b)
{
    ch.value = static_cast<std::uint16_t>(ReadBigEndian(b, 2) & 0x03FF);
    ch.nddLength = std::min<std::uint8_t>(b[2], 9);
    ch.nddPriority = std::clamp<std::uint8_t>(b[3], 1, 10);
}
void EncodeNdd(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    if (ch.value != was.value) {
        PutBits(b[0], 0x03, ch.value >> 8, 0);
        b[1] = static_cast<std::uint8_t>(ch.value & 0xFF);
    }
    if (ch.nddLength != was.nddLength || ch.IsSet(datCh::kSetNddLength)) {
        b[2] = ch.nddLength;
    }
    if (ch.nddPriority != was.nddPriority || ch.IsSet(datCh::kSetNddPriority)) {
        b[3] = ch.nddPriority;
    }
}

// --- conventional channels (18 bytes):
//   0-3   receive frequency in Hz (bit 31 is not part of it)
//   4-7   transmit frequency in Hz (bit 31 is not part of it)
//   8-9   receive tone, 10-11 transmit tone
//   12    bit 7 not in use, bit 6 transmit inhibit, bit 4 time-out timer,
//         bits 3-2 lockout, bits 1-0 RF power (3 counts as 2)
//   13    bit 7 narrow
//   14-17 not the record's
constexpr std::uint32_t kFreqMask = 0x7FFFFFFF;

void DecodeConv(datCh& ch, const std::uint8_t* b)
{
    ch.freq.rx = ReadBigEndian(b, 4) & kFreqMask;
    ch.freq.tx = ReadBigEndian(b + 4, 4) & kFreqMask;
    ch.tones.rx = DecodeTone(b + 8);
    ch.tones.tx = DecodeTone(b + 10);
    ch.SetConvBit(datCh::kConvNotInUseRead, (b[12] & 0x80) != 0);
    ch.SetConvBit(datCh::kConvTxInhibit, (b[12] & 0x40) != 0);
    ch.SetConvBit(datCh::kConvNarrow, (b[13] & 0x80) != 0);
    // The scan tag has no place in the row: every channel reads as tagged.
    ch.SetConvBit(datCh::kConvScanTag, true);
    ch.tot = (b[12] & 0x10) != 0 ? 1 : 0;
    ch.lockout = static_cast<std::uint8_t>((b[12] >> 2) & 0x03);
    ch.rfPower = std::min<std::uint8_t>(b[12] & 0x03, 2);
}

void PutFrequency(std::uint8_t* b, std::uint32_t hz)
{
    const std::uint32_t high = ReadBigEndian(b, 4) & ~kFreqMask;
    WriteBigEndian(b, 4, high | (hz & kFreqMask));
}

void EncodeConv(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    if (ch.freq.rx != was.freq.rx) {
        PutFrequency(b, ch.freq.rx);
    }
    if (ch.freq.tx != was.freq.tx) {
        PutFrequency(b + 4, ch.freq.tx);
    }
    if (!(ch.tones.rx == was.tones.rx)) {
        EncodeTone(ch.tones.rx, b + 8);
    }
    if (!(ch.tones.tx == was.tones.tx)) {
        EncodeTone(ch.tones.tx, b + 10);
    }
    if (ch.InUse() != was.InUse()) {
        PutBits(b[12], 0x80, ch.InUse() ? 0 : 1, 7);
    }
    if (ch.ConvBit(datCh::kConvTxInhibit) != was.ConvBit(datCh::kConvTxInhibit) || ch.IsSet(datCh::kSetTxInhibit)) {
        PutBits(b[12], 0x40, ch.ConvBit(datCh::kConvTxInhibit) ? 1 : 0, 6);
    }
    if ((ch.tot != 0) != (was.tot != 0) || ch.IsSet(datCh::kSetTot)) {
        PutBits(b[12], 0x10, ch.tot != 0 ? 1 : 0, 4);
    }
    if (ch.lockout != was.lockout || ch.IsSet(datCh::kSetLockout)) {
        PutBits(b[12], 0x0C, ch.lockout, 2);
    }
    if (ch.rfPower != was.rfPower || ch.IsSet(datCh::kSetRfPower)) {
        PutBits(b[12], 0x03, std::min<std::uint8_t>(ch.rfPower, 2), 0);
    }
    if (ch.ConvBit(datCh::kConvNarrow) != was.ConvBit(datCh::kConvNarrow) || ch.IsSet(datCh::kSetNarrow)) {
        PutBits(b[13], 0x80, ch.ConvBit(datCh::kConvNarrow) ? 1 : 0, 7);
    }
}

// --- scrambler codes: one byte, 0 is off.
void DecodeScrambler(datCh& ch, const std::uint8_t* b)
{
    ch.scramblerCode = b[0];
}
void EncodeScrambler(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    if (ch.scramblerCode != was.scramblerCode) {
        b[0] = ch.scramblerCode;
    }
}

// --- user-defined display characters: the 2-byte segment mask.
void DecodeUserChar(datCh& ch, const std::uint8_t* b)
{
    Take(ch.userChar, b);
}
void EncodeUserChar(const datCh& ch, const datCh& was, std::uint8_t* b)
{
    PutChanged(ch.userChar, was.userChar, b);
}

struct RowLayout {
    void (*decode)(datCh& ch, const std::uint8_t* bytes);
    void (*encode)(const datCh& ch, const datCh& was, std::uint8_t* bytes);
};

constexpr RowLayout kLayouts[listslot::kCount] = {
    {nullptr, nullptr},                    // no list
    {DecodeFiveDigit, EncodeFiveDigit},    // 1 5-digit entries
    {DecodeRangeInd, EncodeRange},         // 2 individual call range
    {DecodeRangeGrp, EncodeRange},         // 3 group call range
    {DecodeSysMess, EncodeSysMess},        // 4 system messages
    {DecodeDirMemory, EncodeDirMemory},    // 5 directory memories
    {DecodeStatus, EncodeStatus},          // 6 status texts
    {DecodeGroup, EncodeGroup},            // 7 group calls
    {DecodeBlock, EncodeBlock},            // 8 frequency blocks
    {DecodeAad, EncodeAad},                // 9 AAD entries
    {DecodeHunt, EncodeHunt},              // 10 hunt channels
    {DecodeNdd, EncodeNdd},                // 11 preferred NDD entries
    {DecodeConv, EncodeConv},              // 12 conventional channels
    {DecodeScrambler, EncodeScrambler},    // 13 scrambler codes
    {DecodeUserChar, EncodeUserChar},      // 14 user-defined characters
};

const RowLayout* LayoutOf(int slot)
{
    if (slot <= 0 || slot >= listslot::kCount) {
        return nullptr;
    }
    return &kLayouts[slot];
}

}  // namespace

void Decode(datCh& ch, int slot, const std::uint8_t* bytes)
{
    if (const RowLayout* layout = LayoutOf(slot)) {
        layout->decode(ch, bytes);
    }
}

void Encode(const datCh& ch, const datCh& was, int slot, std::uint8_t* bytes)
{
    if (const RowLayout* layout = LayoutOf(slot)) {
        layout->encode(ch, was, bytes);
    }
}

}  // namespace xtr::chlayout
