// The bridge between a program on a pseudo-terminal and the simulated radio:
// the line speed the program has set when the bridge reads (and, right
// after a change, the one before) decides how the radio hears the program's
// bytes and whether the program can understand
// the radio's answers; a full terminal keeps the rest for later.
#include "clone/sim_pty_bridge.h"
#include "clone/sim_radio.h"
#include "support/manual_time.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace xtr {
namespace {

using Bytes = std::vector<uint8_t>;

// The program's side as the bridge sees it: bytes the program wrote, bytes
// it was given, and the line speed it has set.
class FakeTerminal : public PseudoTerminal {
public:
    const std::string& SlavePath() const override { return path_; }
    int32_t Read(uint8_t* buffer, int32_t max) override
    {
        if (failed) {
            return -1;
        }
        const auto n = static_cast<int32_t>(std::min<size_t>(fromProgram.size(), static_cast<size_t>(max)));
        std::copy_n(fromProgram.begin(), n, buffer);
        fromProgram.erase(fromProgram.begin(), fromProgram.begin() + n);
        return n;
    }
    int32_t Write(const uint8_t* bytes, int32_t count) override
    {
        if (failed) {
            return -1;
        }
        const int32_t taken = std::min(count, room);
        toProgram.insert(toProgram.end(), bytes, bytes + taken);
        return taken;
    }
    uint32_t SlaveBaud() override { return baud; }

    uint32_t baud = 0;
    Bytes fromProgram;
    Bytes toProgram;
    int32_t room = INT_MAX;  // bytes the terminal takes per write
    bool failed = false;

private:
    std::string path_ = "/dev/pts/fake";
};

Bytes Preamble(int count) { return Bytes(static_cast<size_t>(count), 0xFE); }

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const Bytes kIdentify = Cat({Preamble(50), {0xEE, 0xEF, 0xE0, 0x25, 0x27, 0x00, 0x00, 0xFD}});
const Bytes kSwitchTo38400 = Cat({Preamble(20), {0xEE, 0xEF, 0xE8, 0x25, 0x27, 0x00, 0x00, 0x01, 0x30, 0x39, 0xFD}});
// The identity answer: FE FE, addresses, E1, model code and words, the
// 52-byte identity block, FD.
constexpr size_t kIdentityFrameSize = 5 + 4 + 52 + 1;

class BridgeTest : public ::testing::Test {
protected:
    BridgeTest() { radio.SetWireTime(false); }

    // The program writes bytes; the bridge carries them, the radio answers,
    // and the bridge carries the answer back.
    void Exchange(const Bytes& written)
    {
        terminal.fromProgram.insert(terminal.fromProgram.end(), written.begin(), written.end());
        ASSERT_TRUE(bridge.Poll());
        clock->Advance(1);
        radio.Poll();
        ASSERT_TRUE(bridge.Poll());
    }
    static bool IsIdentityAnswer(const Bytes& bytes)
    {
        return bytes.size() == kIdentityFrameSize && bytes[0] == 0xFE && bytes[1] == 0xFE && bytes[4] == 0xE1 &&
               bytes.back() == 0xFD;
    }

    test::ManualTimeGuard clock;
    SimRadio radio;
    FakeTerminal terminal;
    SimPtyBridge bridge{radio, terminal};
};

TEST_F(BridgeTest, TheProgramsSpeedAtEachReadDecidesWhatTheRadioHears)
{
    terminal.baud = 9600;
    Exchange(kIdentify);
    EXPECT_TRUE(IsIdentityAnswer(terminal.toProgram));
    EXPECT_EQ(radio.GarbledBytes(), 0);

    // The radio moves to 38400; the program, still at 9600, is not heard.
    Exchange(kSwitchTo38400);
    ASSERT_EQ(radio.Baud(), 38400u);
    terminal.toProgram.clear();
    Exchange(kIdentify);
    EXPECT_TRUE(terminal.toProgram.empty());
    EXPECT_EQ(radio.GarbledBytes(), static_cast<int32_t>(kIdentify.size()));

    // Bytes read after the program changed its speed may have gone at
    // either speed: the radio, at the new one, hears them.
    terminal.fromProgram = kIdentify;
    terminal.baud = 38400;
    Exchange({});
    EXPECT_TRUE(IsIdentityAnswer(terminal.toProgram));
    EXPECT_EQ(radio.GarbledBytes(), static_cast<int32_t>(kIdentify.size()));
    EXPECT_EQ(bridge.Garbled(), 0);
}

// The program sends its switch frame at 9600 and goes on at 38400 once the
// frame has left; a bridge that reads only afterwards must not lose the
// switch (the radio would stay at 9600 and never answer).
TEST_F(BridgeTest, ASwitchFrameReadOnlyAfterTheProgramChangedSpeedStillSwitchesTheRadio)
{
    terminal.baud = 9600;
    ASSERT_TRUE(bridge.Poll());  // the bridge has seen the program at 9600
    terminal.fromProgram = kSwitchTo38400;
    terminal.baud = 38400;
    Exchange(kIdentify);
    EXPECT_EQ(radio.Baud(), 38400u);
    EXPECT_TRUE(IsIdentityAnswer(terminal.toProgram));
    EXPECT_EQ(radio.GarbledBytes(), 0);

    // Once the bridge has seen the new speed, bytes at the old one are
    // garbage again.
    terminal.toProgram.clear();
    terminal.baud = 9600;
    ASSERT_TRUE(bridge.Poll());
    Exchange(kIdentify);
    EXPECT_TRUE(terminal.toProgram.empty());
    EXPECT_EQ(radio.GarbledBytes(), static_cast<int32_t>(kIdentify.size()));
}

// The speed of a terminal the program changed before the bridge's first
// look counts as a change too: the bridge takes the terminal's speed when
// it is built, before the program is told where the terminal is.
TEST_F(BridgeTest, AChangeBeforeTheFirstPollIsAChange)
{
    FakeTerminal fresh;
    fresh.baud = 9600;
    SimPtyBridge early(radio, fresh);
    fresh.fromProgram = Cat({kSwitchTo38400, kIdentify});
    fresh.baud = 38400;
    ASSERT_TRUE(early.Poll());
    clock->Advance(1);
    radio.Poll();
    ASSERT_TRUE(early.Poll());
    EXPECT_EQ(radio.Baud(), 38400u);
    EXPECT_TRUE(IsIdentityAnswer(fresh.toProgram));
}

TEST_F(BridgeTest, AnAnswerReachingAProgramThatChangedItsSpeedIsGarbled)
{
    // With the line's time, the answer is still travelling when the
    // program changes its speed.
    radio.SetWireTime(true);
    terminal.baud = 9600;
    terminal.fromProgram = kIdentify;
    ASSERT_TRUE(bridge.Poll());
    ASSERT_TRUE(terminal.toProgram.empty());
    clock->Advance(200);
    radio.Poll();  // the identify has arrived; the answer goes out at 9600
    ASSERT_TRUE(bridge.Poll());
    ASSERT_TRUE(terminal.toProgram.size() < kIdentityFrameSize) << "the answer arrived at once";
    terminal.toProgram.clear();
    const int32_t early = bridge.Garbled();
    terminal.baud = 38400;
    clock->Advance(200);
    radio.Poll();
    ASSERT_TRUE(bridge.Poll());
    EXPECT_TRUE(terminal.toProgram.empty());
    EXPECT_EQ(early, 0);
    EXPECT_GT(bridge.Garbled(), 0);
    const int32_t garbled = bridge.Garbled();

    // Back at the radio's speed, the next answer comes through whole.
    terminal.baud = 9600;
    terminal.fromProgram = kIdentify;
    for (int step = 0; step < 10 && terminal.toProgram.size() < kIdentityFrameSize; ++step) {
        ASSERT_TRUE(bridge.Poll());
        clock->Advance(100);
        radio.Poll();
    }
    ASSERT_TRUE(bridge.Poll());
    EXPECT_TRUE(IsIdentityAnswer(terminal.toProgram));
    EXPECT_EQ(bridge.Garbled(), garbled);
}

TEST_F(BridgeTest, AnUnknownSpeedIsTakenToBeTheRadios)
{
    radio.SetBaud(38400);
    terminal.baud = 0;
    Exchange(kIdentify);
    EXPECT_TRUE(IsIdentityAnswer(terminal.toProgram));
    EXPECT_EQ(radio.GarbledBytes(), 0);
    EXPECT_EQ(bridge.Garbled(), 0);
}

TEST_F(BridgeTest, AFullTerminalGetsTheRestInOrderAndAFailedOneEndsThePolls)
{
    terminal.baud = 9600;
    terminal.room = 10;
    terminal.fromProgram = kIdentify;
    ASSERT_TRUE(bridge.Poll());
    EXPECT_EQ(terminal.toProgram.size(), 10u) << "one write of what the terminal takes per poll";
    for (int poll = 0; poll < 10 && terminal.toProgram.size() < kIdentityFrameSize; ++poll) {
        ASSERT_TRUE(bridge.Poll());
    }
    EXPECT_TRUE(IsIdentityAnswer(terminal.toProgram));

    terminal.failed = true;
    EXPECT_FALSE(bridge.Poll());
}

}  // namespace
}  // namespace xtr
