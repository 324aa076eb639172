// The fixed places of the radio's memory image that more than one part of
// the program knows: the identity marks, the maker text, the clone comments,
// the network limits and the bases of the lists. Addresses are image byte
// offsets; 16-bit values are big-endian. The lists themselves (rows, row
// sizes, count bytes) are described by the list geometry table, which takes
// its bases from here; places that only one file uses stay in that file.
#pragma once

#include <cstdint>

namespace xtr::memmap {

// --- Areas ----------------------------------------------------------------
// The clone area: what a clone file holds and a full read brings in. The
// image the program keeps is larger; the bytes past the clone area are the
// radio's own and never travel.
inline constexpr std::int32_t kCloneAreaFirst = 0x0000;
inline constexpr std::int32_t kCloneAreaLast = 0x1FFF;
inline constexpr std::int32_t kCloneAreaSize = kCloneAreaLast + 1;
// Every cell addresses bytes below this; an image smaller than it cannot
// hold the settings.
inline constexpr std::int32_t kCellMapExtent = 0x128B;
// The maker's area at the start of the clone area, written only in maker
// mode; the settings follow it.
inline constexpr std::int32_t kMakerAreaLast = 0x00FF;
inline constexpr std::int32_t kSettingsFirst = kMakerAreaLast + 1;

// --- Identity (the head of the image) -------------------------------------
inline constexpr std::int32_t kProductCode = 0x0000;  // 2 bytes: 0x25 0x26
inline constexpr unsigned kProductCodeValue = 0x2526;
inline constexpr std::int32_t kFamilyByte = 0x0002;  // 1 byte: 0x01
inline constexpr std::uint8_t kFamilyByteValue = 0x01;

// --- Maker area -----------------------------------------------------------
inline constexpr std::int32_t kMakerText = 0x0100;  // 8 ASCII characters
inline constexpr std::int32_t kMakerTextSize = 8;
inline constexpr char kMakerTextValue[] = "Nalu Inc";
static_assert(sizeof kMakerTextValue - 1 == kMakerTextSize);
// Layout generation of the settings memory, right after the maker text.
inline constexpr std::int32_t kMapFormat = 0x0108;  // 1 byte: 0x02
inline constexpr std::uint8_t kMapFormatValue = 0x02;
// The preparation copies the maker text and the format byte as one run.
static_assert(kMapFormat == kMakerText + kMakerTextSize);

// --- General settings -----------------------------------------------------
// The conventional channel the radio starts on (0xFF: none in use).
inline constexpr std::int32_t kFirstConventional = 0x0117;
// The status row that answers a status query (1 byte).
inline constexpr std::int32_t kQueryStatusRow = 0x013E;
// Bit patterns of the user-defined display characters: 16 of 2 bytes.
inline constexpr std::int32_t kUserCharMasks = 0x0168;
// The two clone comments: 16 characters of printable ASCII each, padded
// with blanks; the clone file's comment line is made of both.
inline constexpr std::int32_t kCloneComment1 = 0x0188;
inline constexpr std::int32_t kCloneComment2 = 0x0198;
inline constexpr std::int32_t kCloneCommentSize = 16;
// The factory image blanks both comments as one run of 32 bytes.
static_assert(kCloneComment2 == kCloneComment1 + kCloneCommentSize);

// --- List bases (rows; see the list geometry table for their shape) --------
inline constexpr std::int32_t kConventionalRows = 0x01A8;  // 32 rows of 18 bytes
inline constexpr std::int32_t kScramblerCodes = 0x0432;    // 5 bytes
inline constexpr std::int32_t kBlockFrequencyRows = 0x043C;  // 40 rows of 12 bytes
inline constexpr std::int32_t kDirectoryRows = 0x061C;     // 40 rows of 29 bytes
inline constexpr std::int32_t kStatusTextRows = 0x0AA4;    // 31 rows of 10 bytes
inline constexpr std::int32_t kGroupCount = 0x0BEF;        // count byte, then
inline constexpr std::int32_t kGroupRows = 0x0BF0;         //   16 rows of 4 bytes
inline constexpr std::int32_t kFiveDigitCount = 0x0C7A;    // count byte, then
inline constexpr std::int32_t kFiveDigitRows = 0x0C7B;     //   40 rows of 6 bytes
inline constexpr std::int32_t kHuntCount = 0x0D86;         // count byte, then
inline constexpr std::int32_t kHuntRows = 0x0D87;          //   40 rows of 3 bytes
inline constexpr std::int32_t kAadCount = 0x0E01;          // count byte, then
inline constexpr std::int32_t kAadRows = 0x0E02;           //   100 rows of 2 bytes
inline constexpr std::int32_t kNddCount = 0x0EE3;          // count byte, then
inline constexpr std::int32_t kNddRows = 0x0EE4;           //   4 rows of 4 bytes
inline constexpr std::int32_t kCallRangeIndividual = 0x0FB5;  // 1 row of 4 bytes
inline constexpr std::int32_t kCallRangeGroup = 0x0FCD;       // 1 row of 4 bytes
inline constexpr std::int32_t kDisplayTexts = 0x0FED;      // 10-byte text slots

// --- Network --------------------------------------------------------------
// Lowest and highest channel number of the network (16-bit each).
inline constexpr std::int32_t kMinChannel = 0x0D78;
inline constexpr std::int32_t kMaxChannel = 0x0D7A;
// Bit 7 the network type, bits 6-0 the operator id.
inline constexpr std::int32_t kNetworkByte = 0x0ECA;
// The call-option word (16-bit): bits 15-8 at 0x0F13, bits 7-0 at 0x0F14.
inline constexpr std::int32_t kCallOptionWord = 0x0F13;

}  // namespace xtr::memmap
