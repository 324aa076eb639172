// Cutting the byte stream from the other side into frames, and checking the
// frames a read, an identify and a write's acknowledgement expect. Pure
// functions over bytes: no port, no clock.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace xtr {

// 0xFE starts a frame (however many come, the frame keeps one), bytes
// outside a frame are dropped, 0xFD ends the frame. A frame that grows past
// 521 bytes is discarded as an overflow.
class FrameScanner {
public:
    static constexpr size_t kFrameLimit = 521;

    enum class Event : uint8_t { kNone, kFrame, kOverflow };

    Event Feed(uint8_t byte);
    // The frame completed by the last kFrame event: leading 0xFE included,
    // terminator excluded.
    const std::vector<uint8_t>& Frame() const { return frame_; }
    // Forgets a frame being collected.
    void Reset() { collecting_.clear(); }
    bool Collecting() const { return !collecting_.empty(); }

private:
    std::vector<uint8_t> collecting_;
    std::vector<uint8_t> frame_;
};

// One decoded data frame.
struct DataBlock {
    int32_t address = 0;
    int32_t count = 0;
    std::array<uint8_t, 256> bytes{};
};

// Decodes a data frame body: upper-case hex digits only, an even number of
// them, address (2 bytes), count n, n data bytes and a checksum that makes
// all decoded bytes sum to 0 modulo 256. Returns 0, 6 (malformed) or 9 (an
// address outside 0..imageSize-1).
uint8_t DecodeDataBody(std::span<const uint8_t> body, int32_t imageSize, DataBlock& block);

// The outcome of one frame received while the radio sends its data.
struct ReadFrameCheck {
    uint8_t code = 0;   // 0 accepted, otherwise 6, 7 or 9
    bool end = false;   // an end frame with the right count
    DataBlock block;    // the data of an accepted data frame
};

// Checks a frame from the radio during a read. frameCount is the number of
// data frames accepted so far, which the end frame must carry.
ReadFrameCheck CheckReadFrame(std::span<const uint8_t> frame, int32_t imageSize, int32_t frameCount);

// True for an end frame body "Nalu Inc." followed by the frame count modulo
// 256 as two upper-case hex digits.
bool IsEndBody(std::span<const uint8_t> body, int32_t frameCount);

struct IdentityAnswer {
    int32_t word1 = 0;
    int32_t word2 = 0;
    std::span<const uint8_t> payload;
};

// Checks the radio's identity frame: at least 8 bytes, FE EF EE E1, and the
// two identity words in packed decimal digits. Returns 0 or 6.
uint8_t CheckIdentityFrame(std::span<const uint8_t> frame, IdentityAnswer& answer);

// True for the radio's acceptance of a write: exactly FE EF EE E6 00.
bool IsAcceptance(std::span<const uint8_t> frame);

}  // namespace xtr
