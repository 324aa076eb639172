// The hidden maker mode: the command-line switch, the typed access word,
// the caution question and the maker panel of the status bar.
#include "app_fixture.h"

#include "app/globals.h"
#include "overlay/gtex.h"
#include "support/recording_canvas.h"

namespace xtr::test {
namespace {

TEST_F(AppTest, SwitchInCapitalsAsksTheCautionQuestion)
{
    messages.Answer(MsgResult::Ok);
    StartAttached({"xtr450", "/KESTREL"});
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, GTex().AllLines("GI_Mess_Maker_Caution"));
    EXPECT_EQ(messages.asked[0].caption, GTex().FirstLine("GI_Sys_AppTitle"));
    EXPECT_EQ(messages.asked[0].icon, MsgIcon::Warning);
    EXPECT_EQ(messages.asked[0].buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(App().MakerMode());
}

TEST_F(AppTest, CancelledCautionLeavesNormalModeAndTheSecondSwitchAsksAgain)
{
    messages.Answer(MsgResult::Cancel);
    messages.Answer(MsgResult::Ok);
    StartAttached({"xtr450", "/kestrel", "/kestrel"});
    EXPECT_EQ(messages.asked.size(), 2u);
    EXPECT_TRUE(App().MakerMode());
}

TEST_F(AppTest, SwitchGivenTwiceAsksOnceWhenTheFirstIsAccepted)
{
    StartAttached({"xtr450", "/kestrel", "/Kestrel"});
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(App().MakerMode());
}

TEST_F(AppTest, SwitchWithAnythingAppendedIsNotTheSwitch)
{
    StartAttached({"xtr450", "/kestrel1", "kestrel"});
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_FALSE(App().MakerMode());
}

TEST_F(AppTest, TypedAccessWordOffersMakerModeAfterItsLastCharacter)
{
    StartAttached();
    for (char c : std::string("xKESTRE")) {
        App().KeyTyped(c);
    }
    EXPECT_TRUE(messages.asked.empty());
    App().KeyTyped('l');
    EXPECT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(App().MakerMode());

    // Already in maker mode: typing it again asks nothing.
    for (char c : std::string("kestrel")) {
        App().KeyTyped(c);
    }
    EXPECT_EQ(messages.asked.size(), 1u);
}

TEST_F(AppTest, MakerPanelIsSizedFromItsTextAndTheMessagePanelTakesTheRest)
{
    StartAttached({"xtr450", "/kestrel"});
    const std::string text = GTex().FirstLine("GI_StatusPanel_Maker");
    EXPECT_EQ(App().MakerPanelText(), text);
    const int makerWidth = 7 * static_cast<int>(text.size()) + 14;  // text plus "XX"
    EXPECT_EQ(form.panelWidths[1], makerWidth);
    EXPECT_EQ(form.panelWidths[0], form.statusBarWidth - makerWidth);

    form.statusBarWidth = 120;  // a narrow bar keeps at least 100 pixels
    App().LayoutStatusBar();
    EXPECT_EQ(form.panelWidths[0], 100);
}

TEST_F(AppTest, MakerPanelIsDrawnWhiteOnDarkRedCentred)
{
    StartAttached({"xtr450", "/kestrel"});
    RecordingCanvas canvas;
    const Rect rect{500, 0, 600, 21};
    App().DrawStatusPanel(1, rect, canvas);
    ASSERT_EQ(canvas.fills.size(), 1u);
    EXPECT_EQ(canvas.fills[0].color, 128u);
    ASSERT_EQ(canvas.texts.size(), 1u);
    const int textWidth = 7 * static_cast<int>(App().MakerPanelText().size());
    EXPECT_EQ(canvas.texts[0].x, 500 + (100 - textWidth) / 2);
    EXPECT_EQ(canvas.texts[0].y, (21 - 13) / 2);
    EXPECT_EQ(canvas.texts[0].color, 0xFFFFFFu);
}

}  // namespace
}  // namespace xtr::test
