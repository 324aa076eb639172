#include "clone/frame_scanner.h"

#include "clone/clone_protocol.h"
#include "clone/clone_result.h"

#include <algorithm>

namespace xtr {
namespace {

using namespace clone;

// Upper-case hex digits only: the radio never sends lower case, so a lower
// case digit means the frame is not what it seems.
int UpperHexNibble(uint8_t c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsPackedDecimal(uint8_t b)
{
    return (b >> 4) <= 9 && (b & 0x0F) <= 9;
}

bool StartsWith(std::span<const uint8_t> frame, std::initializer_list<uint8_t> head)
{
    return frame.size() >= head.size() && std::equal(head.begin(), head.end(), frame.begin());
}

}  // namespace

FrameScanner::Event FrameScanner::Feed(uint8_t byte)
{
    if (byte == kPreamble) {
        collecting_.assign(1, kPreamble);
        return Event::kNone;
    }
    if (collecting_.empty()) {
        return Event::kNone;  // noise between frames
    }
    if (byte == kTerminator) {
        frame_.swap(collecting_);
        collecting_.clear();
        return Event::kFrame;
    }
    if (collecting_.size() >= kFrameLimit) {
        collecting_.clear();
        frame_.assign(1, 0x00);
        return Event::kOverflow;
    }
    collecting_.push_back(byte);
    return Event::kNone;
}

uint8_t DecodeDataBody(std::span<const uint8_t> body, int32_t imageSize, DataBlock& block)
{
    if (body.size() % 2 != 0) {
        return kCloneMalformed;
    }
    const size_t decodedLength = body.size() / 2;
    // address (2), count, at most 255 data bytes, checksum
    if (decodedLength < 4 || decodedLength > 4 + 255) {
        return kCloneMalformed;
    }
    uint8_t decoded[4 + 255];
    unsigned sum = 0;
    for (size_t i = 0; i < decodedLength; ++i) {
        const int high = UpperHexNibble(body[2 * i]);
        const int low = UpperHexNibble(body[2 * i + 1]);
        if (high < 0 || low < 0) {
            return kCloneMalformed;
        }
        decoded[i] = static_cast<uint8_t>(high << 4 | low);
        sum += decoded[i];
    }
    const int32_t count = decoded[2];
    if (decodedLength != static_cast<size_t>(count) + 4 || (sum & 0xFF) != 0) {
        return kCloneMalformed;
    }
    const int32_t address = decoded[0] << 8 | decoded[1];
    if (count > 0 && (address >= imageSize || address + count > imageSize)) {
        return kCloneOutside;
    }
    block.address = address;
    block.count = count;
    std::copy(decoded + 3, decoded + 3 + count, block.bytes.begin());
    return kCloneOk;
}

bool IsEndBody(std::span<const uint8_t> body, int32_t frameCount)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const uint8_t count = static_cast<uint8_t>(frameCount & 0xFF);
    return body.size() == kMakerText.size() + 2 && std::equal(kMakerText.begin(), kMakerText.end(), body.begin()) &&
           body[kMakerText.size()] == kHex[count >> 4] && body[kMakerText.size() + 1] == kHex[count & 0x0F];
}

ReadFrameCheck CheckReadFrame(std::span<const uint8_t> frame, int32_t imageSize, int32_t frameCount)
{
    ReadFrameCheck check;
    if (frame.size() < 12 || frame.size() > 522 || !StartsWith(frame, {kPreamble, kComputerAddress, kRadioAddress})) {
        check.code = kCloneMalformed;
        return check;
    }
    const std::span<const uint8_t> body = frame.subspan(kFrameHeaderLength);
    switch (frame[3]) {
    case kCmdData:
        check.code = DecodeDataBody(body, imageSize, check.block);
        break;
    case kCmdEnd:
        if (body.size() != kMakerText.size() + 2 || !std::equal(kMakerText.begin(), kMakerText.end(), body.begin())) {
            check.code = kCloneMalformed;
        } else if (!IsEndBody(body, frameCount)) {
            check.code = kCloneFrameCount;
        } else {
            check.end = true;
        }
        break;
    default:
        check.code = kCloneMalformed;
        break;
    }
    return check;
}

uint8_t CheckIdentityFrame(std::span<const uint8_t> frame, IdentityAnswer& answer)
{
    if (frame.size() < 8 || !StartsWith(frame, {kPreamble, kComputerAddress, kRadioAddress, kCmdIdentity})) {
        return kCloneMalformed;
    }
    for (size_t i = 4; i < 8; ++i) {
        if (!IsPackedDecimal(frame[i])) {
            return kCloneMalformed;
        }
    }
    answer.word1 = frame[4] << 8 | frame[5];
    answer.word2 = frame[6] << 8 | frame[7];
    answer.payload = frame.subspan(8);
    return kCloneOk;
}

bool IsAcceptance(std::span<const uint8_t> frame)
{
    return frame.size() == 5 && StartsWith(frame, {kPreamble, kComputerAddress, kRadioAddress, kCmdAck, 0x00});
}

}  // namespace xtr
