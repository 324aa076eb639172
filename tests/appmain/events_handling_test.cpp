// How the application object answers the events addressed to it, and how
// image changes mark the document modified and schedule the check.
#include "app_fixture.h"

#include "app/events.h"
#include "app/globals.h"
#include "overlay/gtex.h"
#include "cells/cell_names.h"
#include "cells/cell_obj.h"
#include "cells/cell_text_edit.h"
#include "support/recording_canvas.h"
#include "ui/model/tree.h"

#include <vector>

namespace xtr::test {
namespace {

struct Heard {
    std::vector<int> types;
    static void Listen(void* context, const cmcEvent& event)
    {
        static_cast<Heard*>(context)->types.push_back(event.type);
    }
};

TEST_F(AppTest, SettingsChangedRefreshesMenusThenToolBar)
{
    StartAttached();
    Heard heard;
    EvMan().Register(Heard::Listen, &heard);
    EvMan().Send(kEvSettingsChanged, 0, 0);
    // The menu refresh asks once, for its own items, whether a grid lends it
    // the cell under its cursor (event 12).
    EXPECT_EQ(heard.types, (std::vector<int>{kEvSettingsChanged, kEvRefreshMenus, kEvQueryCursorCell, kEvRefreshToolBar}));
    EvMan().Unregister(Heard::Listen, &heard);
}

TEST_F(AppTest, AboutEventOpensTheAboutBox)
{
    StartAttached();
    EvMan().Post(kEvShowAbout, 0, 0);
    EXPECT_EQ(form.aboutBoxes, 0);  // posted: not before the next round
    time->Advance(10);
    EXPECT_EQ(form.aboutBoxes, 1);
}

TEST_F(AppTest, StatusMessageIsStoredAndDrawnInItsColours)
{
    StartAttached();
    EvMan().SendText(kEvStatusText, 0x0000FF, 0x00FF00, "Copied 3 rows");
    EXPECT_EQ(App().StatusText(), "Copied 3 rows");
    EXPECT_EQ(form.statusRepaints, 1);

    RecordingCanvas canvas;
    App().DrawStatusPanel(0, Rect{0, 0, 300, 21}, canvas);
    ASSERT_EQ(canvas.fills.size(), 1u);
    EXPECT_EQ(canvas.fills[0].color, 0x00FF00u);
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].x, 0);
    EXPECT_EQ(canvas.texts[0].y, 4);
    EXPECT_EQ(canvas.texts[0].color, 0x0000FFu);
}

TEST_F(AppTest, ImageChangeMarksModifiedAndRunsTheCheckAfterAQuietQuarterSecond)
{
    StartAttached();
    // The tree opens its first page once its change delay has passed; that
    // command, like any other, restarts the quarter second.
    time->Advance(ParseChangeDelay(GTex().FirstLine("GI_Sys_TreeChangeDelay")) + 300);
    Heard heard;
    EvMan().Register(Heard::Listen, &heard);

    App().CurrentImage().SetByte(0x400, App().CurrentImage().GetByte(0x400) ^ 1);
    App().ImageChanged();
    EXPECT_TRUE(App().Modified());
    EXPECT_EQ(form.title.rfind("Untitled - ", 0), 0u);

    time->Advance(200);
    App().ImageChanged();  // a further change restarts the quarter second
    time->Advance(200);
    EXPECT_TRUE(std::find(heard.types.begin(), heard.types.end(), kEvDelayedActionDone) == heard.types.end());
    time->Advance(120);
    EXPECT_TRUE(std::find(heard.types.begin(), heard.types.end(), kEvDelayedActionDone) != heard.types.end());
    EvMan().Unregister(Heard::Listen, &heard);
}

TEST_F(AppTest, ChangeThatRestoresTheSavedImageIsNotAModification)
{
    StartAttached();
    const std::string title = form.title;
    cmcCellObj timer;
    timer.cellId = CL_Comm_TOTTimer;
    const uint8_t stored = App().CurrentImage().GetByte(0x0143);

    // Typing the value the cell already holds goes through the change
    // notice and leaves the image as it was saved.
    CellEdit same = EditCell(App(), timer, std::to_string(stored));
    ASSERT_TRUE(same.accepted) << same.reason;
    EXPECT_FALSE(App().Modified());

    // So does an edit undone before the notice comes.
    App().CurrentImage().SetByte(0x0143, stored ^ 0x01);
    App().CurrentImage().SetByte(0x0143, stored);
    App().ImageChanged();
    EXPECT_FALSE(App().Modified());
    EXPECT_EQ(form.title, title);

    // A value that differs is a modification.
    CellEdit other = EditCell(App(), timer, std::to_string(stored == 200 ? 100 : 200));
    ASSERT_TRUE(other.accepted) << other.reason;
    EXPECT_TRUE(App().Modified());
}

}  // namespace
}  // namespace xtr::test

namespace xtr::test {
namespace {

TEST_F(AppTest, PreparingTheReferenceAgainChangesNothing)
{
    StartAttached();
    cmcEeprom copy;
    copy.CopyFrom(App().ReferenceImage());
    App().PrepareImage(copy);
    EXPECT_TRUE(copy.Equals(App().ReferenceImage()));
}

TEST_F(AppTest, LoadedImageTakesUnusedBytesFromTheReference)
{
    StartAttached();
    cmcEeprom loaded;
    loaded.CopyFrom(App().ReferenceImage());
    loaded.SetByte(0x0003, loaded.GetByte(0x0003) ^ 0xFF);  // maker data no cell edits
    App().ImageLoaded(loaded);
    EXPECT_EQ(loaded.GetByte(0x0003), App().ReferenceImage().GetByte(0x0003));
}

}  // namespace
}  // namespace xtr::test
