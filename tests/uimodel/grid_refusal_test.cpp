// An entry the cell refuses, as the grid shows it: the status bar says why
// in the refusal's colours, the cell keeps the error mark until the next
// key or selection, and the cursor stays on the cell whichever key
// committed the entry.
#include "app/events.h"
#include "app/globals.h"
#include "grid_fixture.h"
#include "support/manual_time.h"
#include "support/overlay_guard.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::GridRig;
using Pos = std::pair<int, int>;

constexpr const char* kReason = "Not a channel frequency.";

struct StatusLog {
    static void Listen(void* context, const cmcEvent& event)
    {
        if (event.type == kEvStatusText) {
            auto* self = static_cast<StatusLog*>(context);
            self->texts.push_back(event.Length() > 0 ? reinterpret_cast<const char*>(event.Data()) : "");
            self->textColors.push_back(static_cast<Color>(event.object));
            self->backColors.push_back(static_cast<Color>(event.value));
        }
    }
    std::vector<std::string> texts;
    std::vector<Color> textColors;
    std::vector<Color> backColors;
};

class GridRefusal : public ::testing::Test {
protected:
    GridRefusal()
    {
        SetEvMan(&evman);
        evman.Register(&StatusLog::Listen, &status);
        // The overlay of the refusals stands in for the sheet's from now on.
        messages = test::OverlayGuard::FromText(std::string("#") + cellrefusal::kFrequency + "\n" + kReason +
                                                "\n#" + cellrefusal::kNotTaken + "\nNot taken.\n#End\n");
        // Every stored text but "ok" is refused.
        rig.handler.answer = [](cmcCellCapsule& rq, bool notify) {
            if (!notify) {
                return 0;
            }
            if (rq.commitMode == cellcommit::kStore && rq.editText != "ok") {
                rq.Refuse(cellrefusal::kFrequency);
            }
            return rq.key == '4' ? celleditor::kInPlace : 0;
        };
    }
    ~GridRefusal() override
    {
        evman.Unregister(&StatusLog::Listen, &status);
        SetEvMan(nullptr);
    }
    void Round() { time->Advance(10); }
    // Opens the editor on the cursor's cell and types text into it.
    void TypeInto(const std::string& text)
    {
        rig.grid.KeyPress('4');
        ASSERT_TRUE(rig.host.editorVisible);
        rig.host.editorText = text;
    }
    bool Invalidated(int column, int row) const
    {
        const Rect rect = rig.grid.Geometry().CellRect(column, row);
        return std::find(rig.host.invalidated.begin(), rig.host.invalidated.end(), rect) !=
               rig.host.invalidated.end();
    }

    test::ManualTimeGuard time;
    cmcEvMan evman;
    StatusLog status;
    GridRig rig{{":(LoopFrom 4)", "{SWH(%CT_Aad.CL_Aad_Type)}type|{SWH(%CT_Aad.CL_Aad_Value)}value", ":(LoopTo)"}};
    std::unique_ptr<test::OverlayGuard> messages;
};

TEST_F(GridRefusal, EnterOnARefusedEntrySaysWhyAndMarksTheCell)
{
    rig.grid.KeyDown(gridkey::kDown, false);
    const Pos at = rig.Cursor();
    TypeInto("9999");
    rig.host.invalidated.clear();
    rig.grid.EditorKeyDown(gridkey::kReturn, false);
    Round();

    EXPECT_FALSE(rig.host.editorVisible);
    ASSERT_TRUE(rig.grid.RefusedCell().has_value());
    EXPECT_EQ(*rig.grid.RefusedCell(), at);
    EXPECT_TRUE(Invalidated(at.first, at.second)) << "repainted with its mark";
    EXPECT_EQ(rig.Cursor(), at);
    // The clearing before the key goes first; the refusal stands last, in
    // colours that read in any palette.
    ASSERT_FALSE(status.texts.empty());
    EXPECT_EQ(status.texts.back(), kReason);
    EXPECT_EQ(status.textColors.back(), kClWhite);
    EXPECT_NE(status.backColors.back(), kClBtnFace);

    // The next key clears both.
    rig.host.invalidated.clear();
    rig.grid.KeyDown(gridkey::kRight, false);
    Round();
    EXPECT_FALSE(rig.grid.RefusedCell().has_value());
    EXPECT_TRUE(Invalidated(at.first, at.second));
    EXPECT_EQ(status.texts.back(), "");
}

TEST_F(GridRefusal, UpDownAndPageKeysStayOnARefusedEntryAndMoveOnATakenOne)
{
    rig.grid.KeyDown(gridkey::kDown, false);
    const Pos at = rig.Cursor();
    for (int key : {gridkey::kDown, gridkey::kUp, gridkey::kPageDown, gridkey::kPageUp}) {
        TypeInto("bad");
        EXPECT_TRUE(rig.grid.EditorKeyDown(key, false));
        Round();
        EXPECT_EQ(rig.Cursor(), at) << key;
        EXPECT_TRUE(rig.grid.RefusedCell().has_value()) << key;
        EXPECT_EQ(status.texts.back(), kReason) << key;
    }
    TypeInto("ok");
    rig.grid.EditorKeyDown(gridkey::kDown, false);
    Round();
    EXPECT_EQ(rig.Cursor(), Pos(at.first, at.second + 1));
    EXPECT_FALSE(rig.grid.RefusedCell().has_value());
    EXPECT_EQ(status.texts.back(), "");
}

TEST_F(GridRefusal, ARefusalOnFocusLossMarksTheEditorsCellNotTheCursors)
{
    TypeInto("bad");
    const Pos edited = rig.Cursor();
    // A click on another cell moves the cursor first; the editor commits
    // as it closes.
    rig.grid.SelectCell(edited.first, edited.second + 2);
    Round();
    EXPECT_EQ(rig.Cursor(), Pos(edited.first, edited.second + 2));
    ASSERT_TRUE(rig.grid.RefusedCell().has_value());
    EXPECT_EQ(*rig.grid.RefusedCell(), edited);
    EXPECT_EQ(status.texts.back(), kReason);
}

TEST_F(GridRefusal, AnUnnamedReasonFallsBackToTheGeneralOne)
{
    rig.handler.answer = [](cmcCellCapsule& rq, bool notify) {
        if (notify && rq.commitMode == cellcommit::kStore) {
            rq.Refuse("GI_No_Such_Message");
        }
        return notify && rq.key == '4' ? celleditor::kInPlace : 0;
    };
    TypeInto("x");
    rig.grid.EditorEnter();
    Round();
    EXPECT_EQ(status.texts.back(), "Not taken.");
}

TEST_F(GridRefusal, ACellThatTakesTheEntryShowsNoRefusal)
{
    TypeInto("ok");
    rig.grid.EditorKeyDown(gridkey::kReturn, false);
    Round();
    EXPECT_FALSE(rig.grid.RefusedCell().has_value());
    for (const Color back : status.backColors) {
        EXPECT_EQ(back, kClBtnFace);
    }
}

}  // namespace
}  // namespace xtr
