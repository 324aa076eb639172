// Feeds arbitrary bytes, as the radio might send them, through the frame
// scanner and the checks of a read, an identify and a write's answer, and
// keeps the received map as a read does. Whatever the bytes, nothing may
// crash, a frame may never exceed its limit, an accepted data block must lie
// inside the image (an empty one may be addressed past it, which the
// verification then reports), and the verification must answer a known code.
#include "clone/clone_result.h"
#include "clone/frame_scanner.h"
#include "clone/received_map.h"
#include "image/buff.h"
#include "image/eeprom.h"
#include "image/range_list.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The check that failed is named, so that a finding says what went wrong.
#define Require(condition) RequireThat((condition), #condition)

void RequireThat(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace xtr;
    if (size == 0) {
        return 0;
    }
    // The first byte picks the image size, so that addresses at and beyond
    // its end get their share of attention: small images mostly, as the
    // received map and its verification cost a step per byte of the image,
    // and 0xFF the radio's full image.
    const int32_t imageSize = data[0] == 0xFF ? 0x4000 : 1 + data[0] * 4;
    ++data;
    --size;

    cmcEeprom image;
    image.SetSize(imageSize);
    cmcBuff map;
    FrameScanner scanner;
    int32_t frames = 0;
    bool ended = false;
    int32_t reach = imageSize;  // the furthest address the map may cover
    bool outside = false;       // the map reaches past the image

    for (size_t i = 0; i < size && !ended; ++i) {
        const FrameScanner::Event event = scanner.Feed(data[i]);
        if (event == FrameScanner::Event::kNone) {
            continue;
        }
        const auto& frame = scanner.Frame();
        Require(!frame.empty() && frame.size() <= FrameScanner::kFrameLimit);
        if (event == FrameScanner::Event::kOverflow) {
            Require(frame.size() == 1 && frame[0] == 0x00);
            continue;
        }
        Require(frame[0] == 0xFE);

        IdentityAnswer answer;
        if (CheckIdentityFrame(frame, answer) == kCloneOk) {
            Require(answer.payload.size() + 8 == frame.size());
            Require(answer.word1 <= 0x9999 && answer.word2 <= 0x9999);
        }
        (void)IsAcceptance(frame);

        const ReadFrameCheck check = CheckReadFrame(frame, imageSize, frames);
        Require(check.code == kCloneOk || check.code == kCloneMalformed || check.code == kCloneFrameCount ||
                check.code == kCloneOutside);
        if (check.code != kCloneOk) {
            continue;
        }
        if (check.end) {
            ended = true;
            break;
        }
        const DataBlock& block = check.block;
        Require(block.count >= 0 && block.count <= 255);
        Require(block.count == 0 || (block.address >= 0 && block.address + block.count <= imageSize));
        image.WriteBlock(block.address, block.bytes.data(), block.count);
        MarkReceived(map, block.address, block.count);
        // An empty frame may be addressed past the image: the map then grows
        // to its address, and the verification must call the read outside.
        if (block.count == 0) {
            reach = std::max(reach, block.address);
        }
        Require(map.Length() <= (reach + 7) / 8);
        outside = outside || map.Length() > (imageSize + 7) / 8;
        ++frames;
    }

    const RangePair ranges[] = {{0, imageSize / 2}, {imageSize - 16, imageSize - 1}, kRangeEnd};
    const uint8_t verdict = VerifyReceived(map, ranges, imageSize);
    Require(verdict == kCloneOk || verdict == kCloneMissing || verdict == kCloneOutside);
    Require(!outside || verdict == kCloneOutside);
    return 0;
}
