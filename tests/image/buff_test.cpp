// The byte buffer: growth schedule, take-from-front with compaction, hex text
// and the nibble accessors used by the digit codecs.
#include "image/buff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xtr {
namespace {

std::vector<uint8_t> Bytes(const cmcBuff& buff)
{
    return std::vector<uint8_t>(buff.Data(), buff.Data() + buff.Length());
}

cmcBuff Counting(int32_t n)
{
    cmcBuff buff;
    for (int32_t i = 0; i < n; ++i) {
        buff.AppendByte(static_cast<uint8_t>(i));
    }
    return buff;
}

TEST(Buff, NewAndClearedBufferHoldOneByte)
{
    cmcBuff buff;
    EXPECT_EQ(buff.Length(), 0);
    EXPECT_EQ(buff.Capacity(), 1);
    EXPECT_NE(buff.Data(), nullptr);
    buff.AppendRepeated(0x55, 100);
    buff.TakeFront();
    buff.Clear();
    EXPECT_EQ(buff.Length(), 0);
    EXPECT_EQ(buff.Capacity(), 1);
    EXPECT_EQ(buff.HeadOffset(), 0);
    buff.Compact();  // an empty buffer still keeps one byte
    EXPECT_EQ(buff.Capacity(), 1);
}

TEST(Buff, GrowsOnAFixedScheduleWhenFilledByteByByte)
{
    const std::vector<std::pair<int32_t, int32_t>> expected = {
        {2, 2},   {3, 3},   {4, 4},   {5, 6},   {7, 8},   {9, 11},
        {12, 14}, {15, 18}, {19, 23}, {24, 29}, {30, 37}, {38, 47},
    };
    std::vector<std::pair<int32_t, int32_t>> seen;
    cmcBuff buff;
    const uint8_t* block = buff.Data();
    while (buff.Length() < 40) {
        buff.AppendByte(static_cast<uint8_t>(buff.Length()));
        if (buff.Data() != block) {
            seen.emplace_back(buff.Length(), buff.Capacity());
            block = buff.Data();
        }
    }
    EXPECT_EQ(seen, expected);
    for (int32_t i = 0; i < 40; ++i) {
        ASSERT_EQ(*buff.Element(i), i);
    }
}

TEST(Buff, GrownSpaceIsZeroAndShrinkingKeepsTheBlock)
{
    cmcBuff buff;
    buff.AppendRepeated(0xFF, 8);
    EXPECT_EQ(buff.SetLength(20), 20);
    for (int32_t i = 8; i < 20; ++i) {
        EXPECT_EQ(*buff.Element(i), 0x00);
    }
    const uint8_t* data = buff.Data();
    const int32_t capacity = buff.Capacity();
    EXPECT_EQ(buff.SetLength(3), 3);
    EXPECT_EQ(buff.Data(), data);
    EXPECT_EQ(buff.Capacity(), capacity);
    EXPECT_EQ(buff.SetLength(-4), 0);  // never a negative length
}

TEST(Buff, AssignAndAppendCopyBytes)
{
    cmcBuff a = Counting(5);
    cmcBuff b;
    b.AppendRepeated(9, 2);
    b.Append(a);
    EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{9, 9, 0, 1, 2, 3, 4}));
    b.Assign(a);
    EXPECT_EQ(Bytes(b), Bytes(a));
    const uint8_t raw[] = {0xDE, 0xAD};
    b.AssignBytes(raw, 2);
    b.AppendBytes(raw, 2);
    EXPECT_EQ(Bytes(b), (std::vector<uint8_t>{0xDE, 0xAD, 0xDE, 0xAD}));

    cmcBuff copy(b);
    copy.AppendByte(1);
    EXPECT_EQ(b.Length(), 4);  // the copy owns its own block
    EXPECT_EQ(copy.Length(), 5);
}

TEST(Buff, AppendingOwnBytesSurvivesReallocation)
{
    cmcBuff buff = Counting(4);
    buff.Compact();  // no spare room: the append must reallocate
    buff.Append(buff);
    EXPECT_EQ(Bytes(buff), (std::vector<uint8_t>{0, 1, 2, 3, 0, 1, 2, 3}));
    buff.Compact();
    buff.AppendBytes(buff.Data() + 1, 2);
    EXPECT_EQ(Bytes(buff), (std::vector<uint8_t>{0, 1, 2, 3, 0, 1, 2, 3, 1, 2}));
    buff.AssignBytes(buff.Data() + 8, 2);
    EXPECT_EQ(Bytes(buff), (std::vector<uint8_t>{1, 2}));
    buff.Assign(buff);
    EXPECT_EQ(Bytes(buff), (std::vector<uint8_t>{1, 2}));
}

TEST(Buff, TakeFrontMovesTheHeadAndCompactsPast4096)
{
    cmcBuff empty;
    EXPECT_EQ(empty.TakeFront(), -1);
    EXPECT_EQ(empty.Length(), 0);
    EXPECT_EQ(empty.Capacity(), 1);

    cmcBuff buff = Counting(5000);
    const int32_t capacity = buff.Capacity();
    const uint8_t* block = buff.Data();
    for (int32_t i = 0; i < 4096; ++i) {
        ASSERT_EQ(buff.TakeFront(), i & 0xFF);
    }
    EXPECT_EQ(buff.HeadOffset(), 4096);
    EXPECT_EQ(buff.Data(), block + 4096);
    EXPECT_EQ(buff.Capacity(), capacity - 4096);

    EXPECT_EQ(buff.TakeFront(), 4096 & 0xFF);  // the 4097th byte: compaction
    EXPECT_EQ(buff.HeadOffset(), 0);
    EXPECT_EQ(buff.Length(), 5000 - 4097);
    EXPECT_EQ(buff.Capacity(), buff.Length());
    for (int32_t i = 0; i < buff.Length(); ++i) {
        ASSERT_EQ(*buff.Element(i), static_cast<uint8_t>(4097 + i));
    }
}

TEST(BuffDeathTest, ElementOutsideTheDataIsFatal)
{
    cmcBuff buff = Counting(3);
    EXPECT_EXIT(buff.Element(3), ::testing::ExitedWithCode(3),
                "Out of cmcBuff element !\nAbnormal program termination");
    EXPECT_EXIT(buff.Element(-1), ::testing::ExitedWithCode(3), "Out of cmcBuff element !");
    const cmcBuff empty;
    EXPECT_EXIT(empty.Element(0), ::testing::ExitedWithCode(3), "Out of cmcBuff element !");
}

TEST(Buff, FromHexTextPairsNibblesAndSkipsOthers)
{
    cmcBuff buff = Counting(10);
    buff.FromHexText("1a2");
    EXPECT_EQ(Bytes(buff), (std::vector<uint8_t>{0x1A, 0x20}));
    buff.FromHexText("12 34");
    EXPECT_EQ(Bytes(buff), (std::vector<uint8_t>{0x12, 0x34}));
    buff.FromHexText("Ff:eG0z");
    EXPECT_EQ(Bytes(buff), (std::vector<uint8_t>{0xFF, 0xE0}));
    buff.FromHexText("");
    EXPECT_EQ(buff.Length(), 0);
}

TEST(Nibble, ReadsAndWritesOneHalfOfAByte)
{
    uint8_t bytes[] = {0x12, 0x34};
    EXPECT_EQ(GetNibble(bytes, 0), 1);
    EXPECT_EQ(GetNibble(bytes, 1), 2);
    EXPECT_EQ(GetNibble(bytes, 3), 4);
    EXPECT_EQ(SetNibble(bytes, 0, 0xF), 0);
    EXPECT_EQ(bytes[0], 0xF2);
    EXPECT_EQ(SetNibble(bytes, 3, 0x1B), 3);  // only the low four bits count
    EXPECT_EQ(bytes[1], 0x3B);
    EXPECT_EQ(bytes[0], 0xF2);
}

}  // namespace
}  // namespace xtr
