// Frames on the wire: cutting the stream into frames, checking what the
// radio sends, building what the computer sends, and the received map.
#include "clone/clone_protocol.h"
#include "clone/clone_result.h"
#include "clone/frame_builder.h"
#include "clone/frame_scanner.h"
#include "clone/received_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xtr {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes ToBytes(const cmcBuff& buffer)
{
    return Bytes(buffer.Data(), buffer.Data() + buffer.Length());
}

Bytes Text(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

// A radio frame as the scanner hands it over: one FE, no FD.
Bytes RadioFrame(uint8_t command, std::string_view body)
{
    Bytes frame = {0xFE, 0xEF, 0xEE, command};
    frame.insert(frame.end(), body.begin(), body.end());
    return frame;
}

std::vector<Bytes> ScanAll(const Bytes& stream, int* overflows = nullptr)
{
    FrameScanner scanner;
    std::vector<Bytes> frames;
    for (uint8_t b : stream) {
        switch (scanner.Feed(b)) {
        case FrameScanner::Event::kFrame: frames.push_back(scanner.Frame()); break;
        case FrameScanner::Event::kOverflow:
            if (overflows != nullptr) {
                ++*overflows;
            }
            break;
        case FrameScanner::Event::kNone: break;
        }
    }
    return frames;
}

TEST(FrameScanner, KeepsOneLeadingPreambleAndDropsNoise)
{
    const Bytes stream = {0x00, 0x55, 0xFD, 0xFE, 0xFE, 0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD,
                          0x0D, 0x0A, 0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x01, 0xFD};
    const auto frames = ScanAll(stream);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], (Bytes{0xFE, 0xEF, 0xEE, 0xE6, 0x00}));
    EXPECT_EQ(frames[1], (Bytes{0xFE, 0xEF, 0xEE, 0xE6, 0x01}));
}

TEST(FrameScanner, OverflowsPast521BytesAndRecovers)
{
    Bytes stream = {0xFE};
    stream.insert(stream.end(), 520, 0x41);  // 521 collected: still fine
    stream.push_back(0xFD);
    int overflows = 0;
    EXPECT_EQ(ScanAll(stream, &overflows).at(0).size(), 521u);
    EXPECT_EQ(overflows, 0);

    stream = {0xFE};
    stream.insert(stream.end(), 521, 0x41);
    stream.insert(stream.end(), {0xFD, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD});
    const auto frames = ScanAll(stream, &overflows);
    EXPECT_EQ(overflows, 1);
    ASSERT_EQ(frames.size(), 1u);  // the overflowing frame is lost, the next one is whole
    EXPECT_TRUE(IsAcceptance(frames[0]));
}

TEST(FrameChecks, DataFrameBodyDecodesAndChecks)
{
    DataBlock block;
    const Bytes good = Text("010010000102030405060708090A0B0C0D0E0F77");
    ASSERT_EQ(DecodeDataBody(good, 0x4000, block), kCloneOk);
    EXPECT_EQ(block.address, 0x0100);
    EXPECT_EQ(block.count, 16);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(block.bytes[i], i);
    }

    EXPECT_EQ(DecodeDataBody(Text("010010000102030405060708090a0b0c0d0e0f77"), 0x4000, block), kCloneMalformed);
    EXPECT_EQ(DecodeDataBody(Text("010010000102030405060708090A0B0C0D0E0F78"), 0x4000, block), kCloneMalformed);
    EXPECT_EQ(DecodeDataBody(Text("010010000102030405060708090A0B0C0D0E0F7"), 0x4000, block), kCloneMalformed);
    EXPECT_EQ(DecodeDataBody(Text("01001000010203040506070809 A0B0C0D0E0F77"), 0x4000, block), kCloneMalformed);
    // A count that does not match the data actually carried.
    EXPECT_EQ(DecodeDataBody(Text("0100030001FB"), 0x4000, block), kCloneMalformed);
    // The last block of the image is fine; one byte further is not.
    EXPECT_EQ(DecodeDataBody(Text(DataFrameBody(0x3FF0, block.bytes.data(), 16)), 0x4000, block), kCloneOk);
    EXPECT_EQ(DecodeDataBody(Text(DataFrameBody(0x3FF1, block.bytes.data(), 16)), 0x4000, block), kCloneOutside);
    EXPECT_EQ(DecodeDataBody(Text(DataFrameBody(0x4000, block.bytes.data(), 1)), 0x4000, block), kCloneOutside);
}

TEST(FrameChecks, ReadFramesNeedTheRadiosHeaderAndASensibleLength)
{
    const std::string body = "010010000102030405060708090A0B0C0D0E0F77";
    EXPECT_EQ(CheckReadFrame(RadioFrame(0xE4, body), 0x4000, 0).code, kCloneOk);
    Bytes fromComputer = RadioFrame(0xE4, body);
    std::swap(fromComputer[1], fromComputer[2]);
    EXPECT_EQ(CheckReadFrame(fromComputer, 0x4000, 0).code, kCloneMalformed);
    EXPECT_EQ(CheckReadFrame(RadioFrame(0xE4, "0000"), 0x4000, 0).code, kCloneMalformed);      // too short
    EXPECT_EQ(CheckReadFrame(RadioFrame(0xE7, body), 0x4000, 0).code, kCloneMalformed);        // unknown command
    EXPECT_EQ(CheckReadFrame(RadioFrame(0xE4, "00000000"), 0x4000, 0).code, kCloneOk);         // empty block
}

TEST(FrameChecks, EndFrameCarriesTheCountModulo256)
{
    EXPECT_TRUE(CheckReadFrame(RadioFrame(0xE5, "Nalu Inc.00"), 0x4000, 512).end);
    EXPECT_TRUE(CheckReadFrame(RadioFrame(0xE5, "Nalu Inc.F0"), 0x4000, 496).end);
    EXPECT_EQ(CheckReadFrame(RadioFrame(0xE5, "Nalu Inc.F1"), 0x4000, 496).code, kCloneFrameCount);
    EXPECT_EQ(CheckReadFrame(RadioFrame(0xE5, "Nalu Inc.f0"), 0x4000, 496).code, kCloneFrameCount);
    EXPECT_EQ(CheckReadFrame(RadioFrame(0xE5, "Nalu Inc,F0"), 0x4000, 496).code, kCloneMalformed);
    EXPECT_EQ(CheckReadFrame(RadioFrame(0xE5, "Nalu Inc.F00"), 0x4000, 496).code, kCloneMalformed);
    EXPECT_FALSE(CheckReadFrame(RadioFrame(0xE5, "Nalu Inc.F1"), 0x4000, 496).end);
}

TEST(FrameChecks, IdentityAndAcknowledgement)
{
    IdentityAnswer answer;
    const Bytes identity = {0xFE, 0xEF, 0xEE, 0xE1, 0x25, 0x27, 0x00, 0x00, 0xAA, 0xBB};
    ASSERT_EQ(CheckIdentityFrame(identity, answer), kCloneOk);
    EXPECT_EQ(answer.word1, 0x2527);
    EXPECT_EQ(answer.word2, 0);
    EXPECT_EQ(Bytes(answer.payload.begin(), answer.payload.end()), (Bytes{0xAA, 0xBB}));
    EXPECT_EQ(CheckIdentityFrame(Bytes{0xFE, 0xEF, 0xEE, 0xE1, 0x25, 0x27, 0x00, 0x00}, answer), kCloneOk);
    EXPECT_TRUE(answer.payload.empty());
    EXPECT_EQ(CheckIdentityFrame(Bytes{0xFE, 0xEF, 0xEE, 0xE1, 0x25, 0x27, 0x00}, answer), kCloneMalformed);
    EXPECT_EQ(CheckIdentityFrame(Bytes{0xFE, 0xEF, 0xEE, 0xE1, 0x25, 0x2A, 0x00, 0x00}, answer), kCloneMalformed);
    EXPECT_EQ(CheckIdentityFrame(Bytes{0xFE, 0xEF, 0xEE, 0xE1, 0x25, 0x27, 0x00, 0xA0}, answer), kCloneMalformed);
    EXPECT_EQ(CheckIdentityFrame(Bytes{0xFE, 0xEF, 0xEE, 0xE4, 0x25, 0x27, 0x00, 0x00}, answer), kCloneMalformed);

    EXPECT_TRUE(IsAcceptance(Bytes{0xFE, 0xEF, 0xEE, 0xE6, 0x00}));
    EXPECT_FALSE(IsAcceptance(Bytes{0xFE, 0xEF, 0xEE, 0xE6, 0x01}));
    EXPECT_FALSE(IsAcceptance(Bytes{0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0x00}));
    EXPECT_FALSE(IsAcceptance(Bytes{0x00}));  // what an overflow yields
}

TEST(FrameBuilder, ComputerFrames)
{
    cmcBuff out;
    AppendCommandFrame(out, 2, clone::kCmdReadStart, 0x2527, 0);
    EXPECT_EQ(ToBytes(out), (Bytes{0xFE, 0xFE, 0xFE, 0xFE, 0xEE, 0xEF, 0xE2, 0x25, 0x27, 0x00, 0x00, 0xFD}));

    uint8_t data[16];
    for (int i = 0; i < 16; ++i) {
        data[i] = static_cast<uint8_t>(i);
    }
    EXPECT_EQ(DataFrameBody(0x0100, data, 16), "010010000102030405060708090A0B0C0D0E0F77");
    out.SetLength(0);
    AppendDataFrame(out, 0, 0xEE, 0xEF, 0x0100, data, 16);
    EXPECT_EQ(out.Length(), 46);
    EXPECT_EQ(out.Data()[4], 0xE4);
    EXPECT_EQ(out.Data()[45], 0xFD);

    out.SetLength(0);
    AppendFrame(out, 0, 0xEE, 0xEF, clone::kCmdEnd, EndFrameBody(496));
    EXPECT_EQ(ToBytes(out), (Bytes{0xFE, 0xFE, 0xEE, 0xEF, 0xE5, 0x4E, 0x61, 0x6C, 0x75, 0x20, 0x49, 0x6E, 0x63, 0x2E,
                                   'F', '0', 0xFD}));
    EXPECT_EQ(BlockChecksum(0, nullptr, 0), 0x00);
}

TEST(ReceivedMap, VerifiesAgainstTheRanges)
{
    constexpr RangePair kRanges[] = {{0x0000, 0x00FF}, {0x0200, 0x0207}, kRangeEnd};
    cmcBuff map;
    // Blocks in descending order must not lose the bits of later addresses.
    MarkReceived(map, 0x0200, 8);
    for (int32_t a = 0x00F0; a >= 0; a -= 16) {
        MarkReceived(map, a, 16);
    }
    EXPECT_EQ(VerifyReceived(map, kRanges, 0x4000), kCloneOk);

    cmcBuff partial;
    MarkReceived(partial, 0x0000, 0x100);
    EXPECT_EQ(VerifyReceived(partial, kRanges, 0x4000), kCloneMissing);
    MarkReceived(partial, 0x0300, 1);
    EXPECT_EQ(VerifyReceived(partial, kRanges, 0x4000), kCloneOutside);

    // A frame without data still counts where it is addressed: past the
    // image, the read ends as having received outside the ranges.
    cmcBuff empty;
    MarkReceived(empty, 0x0000, 0x100);
    MarkReceived(empty, 0x0200, 8);
    MarkReceived(empty, 0x0100, 0);
    EXPECT_EQ(VerifyReceived(empty, kRanges, 0x4000), kCloneOk);
    MarkReceived(empty, 0x4100, 0);
    EXPECT_EQ(VerifyReceived(empty, kRanges, 0x4000), kCloneOutside);

    // A shrunk map that grows again starts from clear bytes.
    cmcBuff reused;
    MarkReceived(reused, 0x0300, 8);
    reused.SetLength(1);
    MarkReceived(reused, 0x0308, 8);
    EXPECT_EQ(reused.Data()[0x0300 / 8], 0x00);
    EXPECT_EQ(reused.Data()[0x0308 / 8], 0xFF);
}

}  // namespace
}  // namespace xtr
