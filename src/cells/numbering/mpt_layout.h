// Where the radio keeps its MPT1327 numbers in the memory image. All 16-bit
// values are big-endian idents (or IFNs where noted).
#pragma once

#include "image/memory_map.h"

#include <cstdint>

namespace xtr::mptmap {

inline constexpr int32_t kOwnPrefix = 0x0BE4;
inline constexpr int32_t kOwnNumber = 0x0BE5;

// Group call list: count byte, then 16 rows of 4 bytes (prefix, ident,
// one byte the cells leave alone).
inline constexpr int32_t kGroupCount = memmap::kGroupCount;
inline constexpr int32_t kGroupRows = memmap::kGroupRows;
inline constexpr int32_t kGroupRowSize = 4;
inline constexpr int32_t kGroupRowCount = 16;

// Mpt number plan: fleet bases and the highest IFNs (16-bit each).
inline constexpr int32_t kFleetIndividual = 0x0C72;
inline constexpr int32_t kFleetGroup = 0x0C74;
inline constexpr int32_t kLastIndividual = 0x0C76;
inline constexpr int32_t kLastGroup = 0x0C78;

// 5-digit dialling list: count byte, then 40 rows of 6 bytes: three ASCII
// digits of the IFN start (third 0 for two digits), prefix minus 200, and
// the base ident of the fleet the entry dials into.
inline constexpr int32_t kFiveDigitCount = memmap::kFiveDigitCount;
inline constexpr int32_t kFiveDigitRows = memmap::kFiveDigitRows;
inline constexpr int32_t kFiveDigitRowSize = 6;
inline constexpr int32_t kFiveDigitRowCount = 40;
inline constexpr int32_t kFiveDigitFinal = 4;

// Cps band boundaries: the large, middle and small fleet counts.
inline constexpr int32_t kFleetBounds = 0x0D6B;

inline constexpr int32_t kDespatcherPrefix = 0x0D6E;
inline constexpr int32_t kDespatcherNumber = 0x0D6F;
inline constexpr int32_t kEmergencyPrefix = 0x0D71;
inline constexpr int32_t kEmergencyNumber = 0x0D72;
inline constexpr int32_t kSdmPrefix = 0x0D74;
inline constexpr int32_t kSdmNumber = 0x0D75;

// Cps default fleets (one byte each).
inline constexpr int32_t kDefaultIndividualFleet = 0x0FA9;
inline constexpr int32_t kDefaultGroupFleet = 0x0FAA;

// Call ranges (one row each): lowest and highest ident.
inline constexpr int32_t kCallRangeIndividual = memmap::kCallRangeIndividual;
inline constexpr int32_t kCallRangeGroup = memmap::kCallRangeGroup;

// Two-bit fields for the despatcher (bits 5-4), SDM (3-2) and emergency
// (7-6) numbers. In the Mpt scheme they hold the number's kind.
inline constexpr int32_t kNumberKindBits = 0x0FE5;
inline constexpr int kDespatcherKindShift = 4;
inline constexpr int kSdmKindShift = 2;
inline constexpr int kEmergencyKindShift = 6;

// Directory memories: 40 rows of 29 bytes: 10 text bytes, 16 bytes of dial
// digits (two per byte, high nibble first), the derived prefix and ident.
inline constexpr int32_t kDirectoryRows = memmap::kDirectoryRows;
inline constexpr int32_t kDirectoryRowSize = 29;
inline constexpr int32_t kDirectoryRowCount = 40;
inline constexpr int32_t kDirectoryDigits = 10;
inline constexpr int32_t kDirectoryDigitBytes = 16;
inline constexpr int32_t kDirectoryPrefix = 26;
inline constexpr int32_t kDirectoryIdent = 27;

}  // namespace xtr::mptmap
