// Reading entry bodies: line ends, long lines, byte strings, reading past an
// entry's end, all lines of an entry, and how often lines are read again.
#include "overlay_file_fixture.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::OverlayOnDisk;

TEST(GTexRead, OneLineEntryBeforeEndMarker)
{
    OverlayOnDisk ovl("#N\nT\n#End_Of_Ovl\n");
    EXPECT_EQ(ovl->FirstLine("N"), "T");
    EXPECT_EQ(ovl->AllLines("N"), "T");
}

TEST(GTexRead, AllLinesKeepsEmptyLinesAndStopsAtAnyLineStartingWithHash)
{
    OverlayOnDisk ovl(
        "#Msg\nfirst\n\nthird\n#\nafter hash\n"
        "#Empty\n"
        "#OnlyBlank\n\n"
        "#End_Of_Ovl\n");
    EXPECT_EQ(ovl->AllLines("Msg"), "first\n\nthird");
    // A lone "#" is a body line of its own, but ends all lines.
    EXPECT_EQ(ovl->Text("Msg", 3), "#");
    EXPECT_EQ(ovl->Text("Msg", 4), "after hash");
    EXPECT_EQ(ovl->AllLines("Empty"), "");
    EXPECT_EQ(ovl->AllLines("OnlyBlank"), "");
    // Past its body an entry reads on into the following lines.
    EXPECT_EQ(ovl->Text("Empty", 0), "#OnlyBlank");
    EXPECT_EQ(ovl->Text("Msg", 5), "#Empty");
}

TEST(GTexRead, CarriageReturnOnlyDroppedBeforeLineFeed)
{
    OverlayOnDisk ovl("#A\r\nline1\r\n\r\nline3 \r\nin\rside\r\r\nlast without end\r");
    EXPECT_EQ(ovl->FirstLine("A"), "line1");
    EXPECT_EQ(ovl->Text("A", 1), "");
    EXPECT_EQ(ovl->Text("A", 2), "line3 ");
    EXPECT_EQ(ovl->Text("A", 3), "in\rside\r");
    EXPECT_EQ(ovl->Text("A", 4), "last without end\r");
    std::string text;
    EXPECT_FALSE(ovl->TryText("A", 5, text));
    // "#\r\n" is a lone "#", not a header.
    OverlayOnDisk lone("#B\r\n#\r\nx\r\n#C\r\n");
    EXPECT_EQ(lone->Text("B", 0), "#");
    EXPECT_FALSE(lone->HasEntry(""));
}

TEST(GTexRead, LongLinesAreSplitAtTheLineLimit)
{
    const std::string tenThousand(10000, 'x');
    const std::string exact(8191, 'e');
    const std::string twice(2 * 8191, 't');
    OverlayOnDisk ovl("#Long\n" + tenThousand + "\nnext\n" +
                      "#Exact\n" + exact + "\nnext\n" +
                      "#ExactCrLf\n" + exact + "\r\nnext\n" +
                      "#Twice\n" + twice + "\nnext\n");
    EXPECT_EQ(ovl->Text("Long", 0), std::string(8191, 'x'));
    EXPECT_EQ(ovl->Text("Long", 1), std::string(1809, 'x'));
    EXPECT_EQ(ovl->Text("Long", 2), "next");
    EXPECT_EQ(ovl->AllLines("Long"), std::string(8191, 'x') + "\n" + std::string(1809, 'x') + "\nnext");
    // A line of exactly the limit is one line, not one plus an empty one.
    EXPECT_EQ(ovl->Text("Exact", 0), exact);
    EXPECT_EQ(ovl->Text("Exact", 1), "next");
    EXPECT_EQ(ovl->Text("ExactCrLf", 0), exact);
    EXPECT_EQ(ovl->Text("ExactCrLf", 1), "next");
    EXPECT_EQ(ovl->Text("Twice", 0), std::string(8191, 't'));
    EXPECT_EQ(ovl->Text("Twice", 1), std::string(8191, 't'));
    EXPECT_EQ(ovl->Text("Twice", 2), "next");
}

TEST(GTexRead, LinesAreByteStrings)
{
    const std::string body("a\0b\xff", 4);
    const std::string name("N\0ul", 4);
    OverlayOnDisk ovl("#" + name + "\n" + body + "\n#End_Of_Ovl\n");
    EXPECT_EQ(ovl->FirstLine(name), body);
    EXPECT_FALSE(ovl->HasEntry("N"));
}

TEST(GTexRead, TruncatedFileDeliversItsLastPartialLine)
{
    OverlayOnDisk ovl("#A\nabc\n#B\nhalf a li");
    EXPECT_EQ(ovl->FirstLine("B"), "half a li");
    std::string text;
    EXPECT_FALSE(ovl->TryText("B", 1, text));
    // A header without a line end still names an entry, with no body.
    OverlayOnDisk headerOnly("#A\nabc\n#Last");
    EXPECT_TRUE(headerOnly->HasEntry("Last"));
    EXPECT_FALSE(headerOnly->TryText("Last", 0, text));
    EXPECT_FALSE(headerOnly->TryText("A", 2, text));
    EXPECT_EQ(headerOnly->Text("A", 1), "#Last");
}

class GTexRereads : public ::testing::Test {
protected:
    GTexRereads() : ovl_("#Pre\np\n#List\nL0\nL1\nL2\nL3\nL4\n#End_Of_Ovl\n") {}

    // Body lines read (through the cache) by f.
    template <typename F>
    std::uint64_t ReadsOf(F f)
    {
        const std::uint64_t before = ovl_->Counters().bodyReads;
        f();
        return ovl_->Counters().bodyReads - before;
    }
    std::uint64_t Hits() { return ovl_->Counters().cacheHits; }

    OverlayOnDisk ovl_;
};

TEST_F(GTexRereads, NextLineReadsOneLineEarlierLineStartsOver)
{
    EXPECT_EQ(ReadsOf([&] { EXPECT_EQ(ovl_->Text("List", 1), "L1"); }), 2u);
    EXPECT_EQ(ReadsOf([&] { EXPECT_EQ(ovl_->Text("List", 2), "L2"); }), 1u);
    EXPECT_EQ(ReadsOf([&] { EXPECT_EQ(ovl_->Text("List", 4), "L4"); }), 2u);
    // An earlier line starts again at the body's start, from the cache.
    const std::uint64_t hits = Hits();
    EXPECT_EQ(ReadsOf([&] { EXPECT_EQ(ovl_->Text("List", 1), "L1"); }), 2u);
    EXPECT_EQ(Hits() - hits, 2u);
    // The same line again is also an earlier line.
    EXPECT_EQ(ReadsOf([&] { EXPECT_EQ(ovl_->Text("List", 1), "L1"); }), 2u);
    // Each entry keeps its own place.
    EXPECT_EQ(ovl_->FirstLine("Pre"), "p");
    EXPECT_EQ(ReadsOf([&] { EXPECT_EQ(ovl_->Text("List", 2), "L2"); }), 1u);
}

TEST_F(GTexRereads, WalkingAnEntryAgainIsServedFromTheCache)
{
    EXPECT_EQ(ovl_->AllLines("List"), "L0\nL1\nL2\nL3\nL4");
    const cmcGTexCounters first = ovl_->Counters();
    EXPECT_EQ(first.bodyReads, 6u);  // five lines and the next header
    EXPECT_EQ(first.cacheHits, 0u);
    EXPECT_EQ(ovl_->AllLines("List"), "L0\nL1\nL2\nL3\nL4");
    EXPECT_EQ(ovl_->Counters().bodyReads - first.bodyReads, 6u);
    EXPECT_EQ(ovl_->Counters().cacheHits - first.cacheHits, 6u);
}

TEST(GTexCache, HoldsTheSixtyFourMostRecentlyUsedLines)
{
    std::string text = "#Big\n";
    for (int i = 0; i < 64; ++i) {
        text += "line " + std::to_string(i) + "\n";
    }
    text += "#Other\nother\n";
    OverlayOnDisk ovl(text);
    auto hitsOf = [&](const std::string& name, int n) {
        const std::uint64_t before = ovl->Counters().cacheHits;
        ovl->Text(name, n);
        return ovl->Counters().cacheHits - before;
    };
    EXPECT_EQ(hitsOf("Big", 63), 0u);  // lines 0-63 from the file fill the cache
    EXPECT_EQ(hitsOf("Big", 0), 1u);   // line 0 is now the most recently used
    // A new line makes room by dropping the least recently used one: line 1,
    // not line 0, although line 0 was read from the file first.
    EXPECT_EQ(hitsOf("Other", 0), 0u);
    EXPECT_EQ(hitsOf("Big", 0), 1u);
    EXPECT_EQ(hitsOf("Big", 1), 0u);
}

}  // namespace
}  // namespace xtr
