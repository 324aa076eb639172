// The request record: what a reset clears and what a copy keeps.
#include "cells/cell_capsule.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

void NoNotify(void*, const cmcCellCapsule&, std::uint32_t) {}
void NoRefresh(void*, const cmcCellCapsule&) {}

cmcCellCapsule Filled(cmcCellObj& cell, cmcCellCapsule& owner)
{
    cmcCellCapsule rq;
    rq.owner = &owner;
    rq.control = &cell;
    rq.grid = &cell;
    rq.cell = &cell;
    rq.selStart = 3;
    rq.selLength = 4;
    rq.key = cellkey::kEnter;
    rq.popupCommand = CL_PMenu_Copy;
    rq.editText = "450.1";
    rq.displayText = "450.100000";
    rq.result = 0x0F;
    rq.markerPosition = 3;
    rq.commitMode = cellcommit::kPreview;
    rq.RedirectTo(CT_Conv, CL_PersConv_FreqRx, 5, cellkey::kDown);
    rq.callerBlock[0] = 0x03;
    rq.callerBlock[15] = 0x7F;
    rq.changeNotify = NoNotify;
    rq.changeContext = &cell;
    rq.editorRefresh = NoRefresh;
    rq.editorContext = &cell;
    return rq;
}

TEST(CellCapsule, ResetClearsTheQuestionAndTheAnswerButNotTheCallersBlock)
{
    cmcCellObj cell;
    cmcCellCapsule owner;
    cmcCellCapsule rq = Filled(cell, owner);
    rq.Reset();
    EXPECT_EQ(rq.owner, nullptr);
    EXPECT_EQ(rq.control, nullptr);
    EXPECT_FALSE(rq.Interactive());
    EXPECT_EQ(rq.cell, nullptr);
    EXPECT_EQ(rq.selStart, 0);
    EXPECT_EQ(rq.selLength, 0);
    EXPECT_EQ(rq.key, 0);
    EXPECT_EQ(rq.popupCommand, 0);
    EXPECT_TRUE(rq.editText.empty());
    EXPECT_TRUE(rq.displayText.empty());
    EXPECT_EQ(rq.result, 0);
    EXPECT_EQ(rq.markerPosition, 0);
    EXPECT_EQ(rq.commitMode, 0);
    EXPECT_FALSE(rq.redirect);
    EXPECT_EQ(rq.redirectCellId, 0);
    EXPECT_EQ(rq.redirectIndex, 0);
    EXPECT_EQ(rq.redirectKey, 0);
    EXPECT_EQ(rq.changeNotify, nullptr);
    EXPECT_EQ(rq.editorRefresh, nullptr);
    EXPECT_EQ(rq.callerBlock[0], 0x03);
    EXPECT_EQ(rq.callerBlock[15], 0x7F);
}

TEST(CellCapsule, ACopyHasItsOwnTextsAndTheSameEverythingElse)
{
    cmcCellObj cell;
    cmcCellCapsule owner;
    cmcCellCapsule rq = Filled(cell, owner);
    cmcCellCapsule copy = rq;
    rq.editText = "changed";
    rq.displayText.clear();
    EXPECT_EQ(copy.editText, "450.1");
    EXPECT_EQ(copy.displayText, "450.100000");
    EXPECT_EQ(copy.owner, &owner);
    EXPECT_EQ(copy.cell, &cell);
    EXPECT_EQ(copy.redirectCellId, CL_PersConv_FreqRx);
    EXPECT_EQ(copy.callerBlock, rq.callerBlock);
    EXPECT_EQ(copy.changeNotify, &NoNotify);
    EXPECT_EQ(copy.editorContext, &cell);
}

}  // namespace
}  // namespace xtr
