// The clone commands' chains: the identify that guards every transfer, the
// read of the clone area, and the writes in normal and maker mode with the
// image prepared only once the radio has been accepted.
#include "manager_fixture.h"

#include "clone/clone_chain.h"
#include "clone/clone_protocol.h"

#include <optional>

namespace xtr::test {
namespace {

class ChainTest : public ManagerTest {
protected:
    ChainTest() { radio.SetWireTime(false); }

    CloneChain::Done Record()
    {
        return [this](const dst_CDrv_Result* result) {
            ++doneCalls;
            code = result != nullptr ? std::optional<uint8_t>(result->code) : std::nullopt;
            if (result != nullptr) {
                image.CopyFrom(result->image);
            }
        };
    }

    cmcEeprom Source(uint8_t seed)
    {
        cmcEeprom source;
        source.SetSize(kImageSize);
        for (int32_t a = 0; a < kImageSize; ++a) {
            source.SetByte(a, static_cast<uint8_t>(a ^ seed));
        }
        SimRadio::ApplyMakerMarks(source);
        return source;
    }

    CloneChain chain{manager, 0x2527, 0};
    int doneCalls = 0;
    std::optional<uint8_t> code;
    cmcEeprom image;
};

TEST_F(ChainTest, ReadIdentifiesFirstThenBringsTheCloneArea)
{
    radio.Memory().SetByte(0x1FFF, 0x5A);
    ASSERT_TRUE(chain.Read(kImageSize, Record()));
    EXPECT_TRUE(chain.Running());
    EXPECT_FALSE(chain.Read(kImageSize, Record()));
    ASSERT_TRUE(Run());
    ASSERT_TRUE(clock->AdvanceUntil([this] { return !chain.Running(); }, 60000, 10));

    EXPECT_EQ(doneCalls, 1);
    EXPECT_EQ(code, kCloneOk);
    EXPECT_EQ(image.Size(), kImageSize);
    EXPECT_EQ(image.GetByte(0x1FFF), 0x5A);
    EXPECT_TRUE(identity.valid);
    // Both speed switches went out at 38400 baud to a radio at 9600, so it
    // heard only the identify and the read.
    ASSERT_EQ(radio.Received().size(), 2u);
    EXPECT_EQ(radio.Received()[0].command, clone::kCmdIdentify);
    EXPECT_EQ(radio.Received()[1].command, clone::kCmdReadStart);
    EXPECT_EQ(progress.events, (std::vector<std::string>{"start 1", "end", "start 2", "k", "end"}));
}

TEST_F(ChainTest, FailedIdentifyStopsBeforeAnythingMoves)
{
    cmcEeprom source = Source(3);
    int prepared = 0;

    radio.Identity().modelCode = 0x2530;
    ASSERT_TRUE(chain.Write(source, kCloneWriteRanges, [&](cmcEeprom&) { ++prepared; }, Record()));
    ASSERT_TRUE(clock->AdvanceUntil([this] { return !chain.Running(); }, 60000, 10));
    EXPECT_EQ(code, kCloneWrongRadio);
    EXPECT_EQ(prepared, 0);

    radio.Identity().modelCode = 0x2527;
    radio.Faults().silent = true;
    ASSERT_TRUE(chain.Read(kImageSize, Record()));
    ASSERT_TRUE(clock->AdvanceUntil([this] { return !chain.Running(); }, 60000, 10));
    EXPECT_EQ(code, kCloneSilence);
    EXPECT_EQ(doneCalls, 2);
    EXPECT_TRUE(FramesOf(clone::kCmdWriteStart).empty());
    EXPECT_TRUE(FramesOf(clone::kCmdReadStart).empty());
    EXPECT_EQ(messages.asked.size(), 2u);  // one message per failure
}

TEST_F(ChainTest, NormalWriteLeavesTheMakerAreaAlone)
{
    const cmcEeprom before = [&] { cmcEeprom c; c.CopyFrom(radio.Memory()); return c; }();
    cmcEeprom source = Source(0x3C);
    int prepared = 0;
    auto prepare = [&](cmcEeprom& target) {
        ++prepared;
        EXPECT_TRUE(identity.valid);  // only after the radio was accepted
        target.SetByte(0x0200, 0xA5);
    };
    ASSERT_TRUE(chain.Write(source, kCloneWriteRanges, prepare, Record()));
    ASSERT_TRUE(clock->AdvanceUntil([this] { return !chain.Running(); }, 60000, 10));

    EXPECT_EQ(code, kCloneOk);
    EXPECT_EQ(prepared, 1);
    const auto data = FramesOf(clone::kCmdData);
    ASSERT_EQ(data.size(), 496u);
    EXPECT_EQ(std::string(data[0].bytes.begin() + 4, data[0].bytes.begin() + 10), "010010");
    const SimFrameRecord end = FramesOf(clone::kCmdEnd).at(0);
    EXPECT_EQ(std::string(end.bytes.end() - 2, end.bytes.end()), "F0");
    for (int32_t a = 0; a < 0x2000; ++a) {
        ASSERT_EQ(radio.Memory().GetByte(a), a < 0x100 ? before.GetByte(a) : source.GetByte(a)) << a;
    }
    EXPECT_EQ(radio.Memory().GetByte(0x0200), 0xA5);
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(ChainTest, MakerWriteCoversTheWholeCloneArea)
{
    cmcEeprom source = Source(0x77);
    ASSERT_TRUE(chain.Write(source, kCloneMakerWriteRanges, nullptr, Record()));
    ASSERT_TRUE(clock->AdvanceUntil([this] { return !chain.Running(); }, 60000, 10));
    EXPECT_EQ(code, kCloneOk);
    const auto data = FramesOf(clone::kCmdData);
    ASSERT_EQ(data.size(), 512u);
    EXPECT_EQ(std::string(data[0].bytes.begin() + 4, data[0].bytes.begin() + 10), "000010");
    const SimFrameRecord end = FramesOf(clone::kCmdEnd).at(0);
    EXPECT_EQ(std::string(end.bytes.end() - 2, end.bytes.end()), "00");
    for (int32_t a = 0; a < 0x2000; ++a) {
        ASSERT_EQ(radio.Memory().GetByte(a), source.GetByte(a)) << a;
    }
}

TEST_F(ChainTest, ChainDoesNotStartOnABusyManager)
{
    ASSERT_TRUE(manager.RunIdentify(&ManagerTest::OnDone, this));
    EXPECT_FALSE(chain.Read(kImageSize, Record()));
    EXPECT_FALSE(chain.Running());
    ASSERT_TRUE(Run());
    EXPECT_EQ(doneCalls, 0);
    EXPECT_EQ(results.size(), 1u);
}

}  // namespace
}  // namespace xtr::test
