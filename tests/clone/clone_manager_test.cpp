// The clone manager over the simulated radio: the speeds it picks, the
// model's checks of what the radio sends, the error messages, the progress
// it reports, and what is left behind when the radio goes away.
#include "manager_fixture.h"

#include "clone/clone_protocol.h"
#include "clone/sim_identity.h"

namespace xtr::test {
namespace {

void FillPattern(cmcEeprom& image, uint8_t seed)
{
    for (int32_t a = 0; a < image.Size(); ++a) {
        image.SetByte(a, static_cast<uint8_t>(a * 13 + seed + (a >> 9)));
    }
    SimRadio::ApplyMakerMarks(image);
}

std::string EndCount(const SimFrameRecord& end)
{
    return std::string(end.bytes.end() - 2, end.bytes.end());
}

TEST_F(ManagerTest, IdentifyAlwaysAtLowSpeedThenTransferAtTheChosenSpeed)
{
    env->comSpeedHigh = 1;
    env->comPort = 4;
    radio.SetWireTime(false);

    ASSERT_TRUE(manager.RunIdentify(&ManagerTest::OnDone, this));
    ASSERT_TRUE(Run());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, kCloneOk);
    EXPECT_EQ(manager.Driver().PortNumber(), 4);
    ASSERT_EQ(FramesOf(clone::kCmdIdentify).size(), 1u);
    EXPECT_EQ(FramesOf(clone::kCmdIdentify)[0].baud, 9600u);
    // The identify tells the radio at 38400 baud to come down to 9600; this
    // one was at 9600 already and did not hear it.
    EXPECT_TRUE(FramesOf(clone::kCmdSpeed).empty());

    ASSERT_TRUE(manager.RunRead(kCloneReadRanges, &ManagerTest::OnDone, this));
    ASSERT_TRUE(Run());
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1].code, kCloneOk);
    ASSERT_EQ(FramesOf(clone::kCmdReadStart).size(), 1u);
    EXPECT_EQ(FramesOf(clone::kCmdReadStart)[0].baud, 38400u);
    ASSERT_EQ(FramesOf(clone::kCmdSpeed).size(), 1u);
    EXPECT_EQ(FramesOf(clone::kCmdSpeed)[0].baud, 9600u);

    cmcEeprom source;
    source.SetSize(kImageSize);
    FillPattern(source, 2);
    ASSERT_TRUE(manager.RunWrite(source, kCloneWriteRanges, &ManagerTest::OnDone, this));
    ASSERT_TRUE(Run());
    EXPECT_EQ(results.at(2).code, kCloneOk);
    ASSERT_EQ(FramesOf(clone::kCmdWriteStart).size(), 1u);
    EXPECT_EQ(FramesOf(clone::kCmdWriteStart)[0].baud, 38400u);
    EXPECT_EQ(link.ConfiguredSpeeds(), (std::vector<uint32_t>{38400, 9600, 9600, 38400, 9600, 38400}));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ManagerTest, ReadBringsTheRadioImageAndReportsProgress)
{
    FillPattern(radio.Memory(), 7);
    ASSERT_TRUE(manager.RunRead(kCloneReadRanges, &ManagerTest::OnDone, this));
    EXPECT_TRUE(manager.IsBusy());
    EXPECT_EQ(manager.ExpectedBytes(), 8192);
    EXPECT_EQ(manager.ProgressFigure(), 0);
    ASSERT_TRUE(Run());

    ASSERT_EQ(results.size(), 1u);
    const ManagerResult& r = results[0];
    EXPECT_EQ(r.code, kCloneOk);
    EXPECT_FALSE(r.portOpen);
    for (int32_t a = 0; a < 0x2000; ++a) {
        ASSERT_EQ(r.image.GetByte(a), radio.Memory().GetByte(a)) << a;
    }
    // The bar fills from empty to full, never going back, and the view hears
    // of the end before the caller does.
    ASSERT_GE(progress.figures.size(), 10u);
    EXPECT_EQ(progress.figures.front(), 0);
    EXPECT_EQ(progress.figures.back(), 33);
    EXPECT_TRUE(std::is_sorted(progress.figures.begin(), progress.figures.end()));
    EXPECT_EQ(progress.events, (std::vector<std::string>{"start 2", "k", "end"}));
    EXPECT_EQ(manager.ProgressFigure(), 33);
}

TEST_F(ManagerTest, ProgressFigureFollowsTheDataBytes)
{
    EXPECT_EQ(CloneProgressFigure(0, 8192), 0);
    EXPECT_EQ(CloneProgressFigure(4096, 8192), 16);
    EXPECT_EQ(CloneProgressCells(16), 16);
    EXPECT_EQ(CloneProgressFigure(7936, 7936), 33);
    EXPECT_EQ(CloneProgressCells(33), 32);
    EXPECT_EQ(CloneProgressFigure(100, 0), 0);
    // A radio that sends more than was asked for cannot push the bar past
    // its end.
    EXPECT_EQ(CloneProgressFigure(9000, 8192), 33);
    EXPECT_EQ(RangeBytes(kCloneReadRanges), 8192);
    EXPECT_EQ(RangeBytes(kCloneWriteRanges), 7936);
    EXPECT_EQ(RangeBytes(kCloneMakerWriteRanges), 8192);
}

TEST_F(ManagerTest, IdentityChecksRejectOtherRadios)
{
    radio.SetWireTime(false);
    ASSERT_TRUE(manager.RunIdentify(&ManagerTest::OnDone, this));
    ASSERT_TRUE(Run());
    ASSERT_EQ(results.at(0).code, kCloneOk);
    ASSERT_TRUE(identity.valid);
    const auto accepted = identity.bytes;
    EXPECT_EQ(std::vector<uint8_t>(accepted.begin(), accepted.end()), IdentityPayload(radio.Identity()));

    struct Case {
        const char* name;
        void (*change)(SimIdentity&);
        uint8_t code;
    };
    const Case cases[] = {
        {"other model", [](SimIdentity& i) { i.modelCode = 0x2530; }, kCloneWrongRadio},
        {"51 bytes", [](SimIdentity& i) { i.payloadLength = 51; }, kCloneWrongRadio},
        {"53 bytes", [](SimIdentity& i) { i.payloadLength = 53; }, kCloneWrongRadio},
        {"byte 35", [](SimIdentity& i) { i.byte35 = 3; }, kCloneUnsupported},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        results.clear();
        messages.asked.clear();
        SimIdentity saved = radio.Identity();
        c.change(radio.Identity());
        radio.Identity().comment1 = "NOT ACCEPTED";
        ASSERT_TRUE(manager.RunIdentify(&ManagerTest::OnDone, this));
        ASSERT_TRUE(Run());
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].code, c.code);
        // One error box, with the head line of the code.
        ASSERT_EQ(messages.asked.size(), 1u);
        EXPECT_EQ(messages.asked[0].icon, MsgIcon::Error);
        EXPECT_EQ(messages.asked[0].caption, overlay->Store().FirstLine("GI_Sys_AppTitle"));
        EXPECT_EQ(messages.asked[0].text.rfind(overlay->Store().Text("GI_Mess_CloneErr_Head", c.code) + "\n\n", 0), 0u);
        // The block still describes the radio that was accepted.
        EXPECT_EQ(identity.bytes, accepted);
        radio.Identity() = saved;
    }
}

TEST_F(ManagerTest, ReadOfAForeignImageFailsAndWithoutChecksNothingPasses)
{
    radio.SetWireTime(false);
    radio.Memory().SetByte(0x108, 0x03);
    ASSERT_TRUE(manager.RunRead(kCloneReadRanges, &ManagerTest::OnDone, this));
    ASSERT_TRUE(Run());
    EXPECT_EQ(results.at(0).code, kCloneForeignImage);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text.rfind(overlay->Store().Text("GI_Mess_CloneErr_Head", 15), 0), 0u);

    // The maker's name is part of the check for an image from the radio.
    radio.Memory().SetByte(0x108, 0x02);
    radio.Memory().SetByte(0x103, 'X');
    ASSERT_TRUE(manager.RunRead(kCloneReadRanges, &ManagerTest::OnDone, this));
    ASSERT_TRUE(Run());
    EXPECT_EQ(results.at(1).code, kCloneForeignImage);

    // A manager without the model's checks lets nothing through unchecked,
    // but a failure keeps its own code.
    radio.Memory().SetByte(0x103, 'u');
    manager.SetIdentityHandler(nullptr, nullptr);
    manager.SetReadHandler(nullptr, nullptr);
    ASSERT_TRUE(manager.RunIdentify(&ManagerTest::OnDone, this));
    ASSERT_TRUE(Run());
    EXPECT_EQ(results.at(2).code, kCloneWrongRadio);
    ASSERT_TRUE(manager.RunRead(kCloneReadRanges, &ManagerTest::OnDone, this));
    ASSERT_TRUE(Run());
    EXPECT_EQ(results.at(3).code, kCloneMissing);
    radio.Faults().silent = true;
    ASSERT_TRUE(manager.RunIdentify(&ManagerTest::OnDone, this));
    ASSERT_TRUE(Run());
    EXPECT_EQ(results.at(4).code, kCloneSilence);
}

TEST_F(ManagerTest, PortThatCannotBeOpenedNamesItsNumber)
{
    env->comPort = 7;
    link.SetOpenRefused(true);
    ASSERT_TRUE(manager.RunIdentify(&ManagerTest::OnDone, this));
    ASSERT_TRUE(Run());
    EXPECT_EQ(results.at(0).code, kClonePortError);
    ASSERT_EQ(messages.asked.size(), 1u);
    const std::string& text = messages.asked[0].text;
    EXPECT_NE(text.find("COM7"), std::string::npos) << text;
    EXPECT_EQ(text.find("%d"), std::string::npos) << text;
    EXPECT_EQ(progress.events, (std::vector<std::string>{"start 1", "end"}));
}

TEST_F(ManagerTest, SecondOperationWhileBusyIsRefused)
{
    ASSERT_TRUE(manager.RunRead(kCloneReadRanges, &ManagerTest::OnDone, this));
    clock->Advance(200);
    cmcEeprom source;
    source.SetSize(kImageSize);
    EXPECT_FALSE(manager.RunIdentify(&ManagerTest::OnDone, this));
    EXPECT_FALSE(manager.RunWrite(source, kCloneWriteRanges, &ManagerTest::OnDone, this));
    EXPECT_FALSE(manager.SetImageSize(16));
    EXPECT_EQ(manager.Kind(), kCloneRead);
    ASSERT_TRUE(Run());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, kCloneOk);
    EXPECT_EQ(progress.events, (std::vector<std::string>{"start 2", "k", "end"}));
}

TEST_F(ManagerTest, RadioVanishingMidReadEndsWithSilenceAndThePortClosed)
{
    ASSERT_TRUE(manager.RunRead(kCloneReadRanges, &ManagerTest::OnDone, this));
    ASSERT_TRUE(clock->AdvanceUntil([this] { return manager.Driver().DataByteCount() >= 2048; }, 60000, 10));
    link.Unplug();
    const uint32_t pulled = Time().TickCount();
    ASSERT_TRUE(Run());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, kCloneSilence);
    EXPECT_FALSE(results[0].portOpen);
    EXPECT_EQ(link.OpenDevices(), 0);
    // Given up after the silence time-out, not at once and not much later.
    const uint32_t waited = Time().TickCount() - pulled;
    EXPECT_GE(waited, 900u);
    EXPECT_LE(waited, 2500u);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text.rfind(overlay->Store().Text("GI_Mess_CloneErr_Head", 5), 0), 0u);
    EXPECT_EQ(progress.events.back(), "end");
    EXPECT_GT(progress.figures.back(), 0);
    EXPECT_LT(progress.figures.back(), 33);
}

TEST_F(ManagerTest, DestroyingTheManagerMidTransferClosesEverything)
{
    auto own = std::make_unique<indCloneMan>(link.NewDevice());
    own->SetProgressView(&progress);
    own->SetTarget(0x2527, 0);
    own->SetImageSize(kImageSize);
    ASSERT_TRUE(own->RunRead(kCloneReadRanges, &ManagerTest::OnDone, this));
    clock->Advance(500);
    EXPECT_EQ(link.OpenDevices(), 1);
    own.reset();
    clock->Advance(3000);
    EXPECT_EQ(link.OpenDevices(), 0);
    EXPECT_TRUE(results.empty());
    EXPECT_EQ(progress.events.back(), "end");
}

}  // namespace
}  // namespace xtr::test
