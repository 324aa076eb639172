// Frequency codec: receive and transmit frequencies of conventional channels
// and frequency blocks, in Hz, shown and typed in MHz ("450.012500"). A
// typed frequency is fitted to the radio's channel raster: the synthesiser
// reaches multiples of 2500 Hz and of 3125 Hz only.
#pragma once

#include "cells/cell_capsule.h"

#include <cstdint>
#include <optional>

namespace xtr {

// The frequency part of a list row. The row record carries these fields.
struct datChFreq {
    std::uint32_t rx = 0;  // Hz
    std::uint32_t tx = 0;  // Hz
    bool inUse = true;
};

enum class FreqSide { Receive, Transmit };

// The highest frequency an entry may give (entries lie below 800 MHz).
inline constexpr std::uint32_t kFreqEntryMax = 799'999'999;

// Raster bits of a frequency: bit 0 a multiple of 2500 Hz, bit 1 a multiple
// of 3125 Hz.
inline constexpr int kRaster2500 = 0x01;
inline constexpr int kRaster3125 = 0x02;
int FrequencyRaster(std::uint32_t hz);

// The raster frequency an entry of f Hz stands for: the first multiple of
// 625 Hz from f's 100 kHz boundary on that lies in f .. f + p - 1 (p the
// largest power of ten up to 100000 that divides f, so that the digits the
// user typed are kept) and is on the 2500 or 3125 Hz raster. None when no
// such frequency exists.
std::optional<std::uint32_t> FitToRaster(std::uint32_t f);

bool CodecFrequency(cmcCellCapsule& rq, int& editorKind, datChFreq& ch, FreqSide side);

}  // namespace xtr
