// Finding entries in the overlay: header lines, exact names, the lazy index
// scan, the end marker and the move of late names to the front.
#include "overlay_file_fixture.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

using test::OverlayOnDisk;
using Names = std::vector<std::string>;

TEST(GTexIndex, HeaderLinesNameEntriesExactly)
{
    OverlayOnDisk ovl(
        "preamble line\n"
        "#\n"
        "#Name \n"
        "with blank\n"
        "#Name\n"
        "without blank\n"
        "#name\n"
        "lower case\n"
        "# \n"
        "blank name\n"
        "#End_Of_Ovl\n");
    EXPECT_EQ(ovl->FirstLine("Name "), "with blank");
    EXPECT_EQ(ovl->FirstLine("Name"), "without blank");
    EXPECT_EQ(ovl->FirstLine("name"), "lower case");
    EXPECT_EQ(ovl->FirstLine(" "), "blank name");
    // Lines before the first header belong to no entry; a lone "#" names none.
    EXPECT_FALSE(ovl->HasEntry("preamble line"));
    EXPECT_FALSE(ovl->HasEntry(""));
    EXPECT_FALSE(ovl->HasEntry("NAME"));
    EXPECT_EQ(ovl->IndexNames(), (Names{"Name ", "Name", "name", " ", "End_Of_Ovl"}));
}

TEST(GTexIndex, FirstOfTwoEntriesWithTheSameNameWins)
{
    std::string text;
    for (int i = 0; i < 12; ++i) {
        text += "#Filler" + std::to_string(i) + "\nf\n";
    }
    text += "#Twice\nfirst\n#Twice\nsecond\n#End_Of_Ovl\n";
    OverlayOnDisk ovl(text);
    EXPECT_EQ(ovl->FirstLine("Twice"), "first");
    ASSERT_FALSE(ovl->HasEntry("Missing"));  // indexes the second one too
    // Found late in the index, the first one moves to the front and still wins.
    EXPECT_EQ(ovl->FirstLine("Twice"), "first");
    EXPECT_EQ(ovl->IndexNames().front(), "Twice");
    EXPECT_EQ(ovl->FirstLine("Twice"), "first");
}

TEST(GTexIndex, ScanReadsOnlyAsFarAsTheWantedName)
{
    OverlayOnDisk ovl("#A\na\n#B\nb\n#C\nc\n");
    EXPECT_TRUE(ovl->HasEntry("B"));
    EXPECT_EQ(ovl->Counters().scanLines, 3u);
    EXPECT_EQ(ovl->IndexNames(), (Names{"A", "B"}));
    // Names already indexed need no scanning.
    EXPECT_EQ(ovl->FirstLine("A"), "a");
    EXPECT_EQ(ovl->Counters().scanLines, 3u);
    EXPECT_FALSE(ovl->HasEntry("Z"));
    EXPECT_EQ(ovl->Counters().scanLines, 6u);
    EXPECT_EQ(ovl->IndexNames(), (Names{"A", "B", "C"}));
    // Nothing left to scan: a second miss reads nothing.
    EXPECT_FALSE(ovl->HasEntry("Z"));
    EXPECT_EQ(ovl->Counters().scanLines, 6u);
}

TEST(GTexIndex, EndMarkerEndsTheIndex)
{
    OverlayOnDisk ovl("#A\na\n#End_Of_Ovl\n#Z\nz\n");
    EXPECT_FALSE(ovl->HasEntry("Z"));
    EXPECT_EQ(ovl->IndexNames(), (Names{"A", "End_Of_Ovl"}));
    // The end marker is an entry of its own; the lines after it are its body.
    EXPECT_EQ(ovl->FirstLine("End_Of_Ovl"), "#Z");
    // Body reads of an indexed entry may still run past the marker.
    EXPECT_EQ(ovl->Text("A", 2), "#Z");
}

TEST(GTexIndex, LateNamesMoveToTheFront)
{
    std::string text;
    for (int i = 0; i < 16; ++i) {
        text += "#E" + std::to_string(i) + "\nline " + std::to_string(i) + "\n";
    }
    text += "#End_Of_Ovl\n";
    OverlayOnDisk ovl(text);

    // Found by the scan: appended, not moved.
    ASSERT_EQ(ovl->FirstLine("E14"), "line 14");
    Names expected;
    for (int i = 0; i < 15; ++i) {
        expected.push_back("E" + std::to_string(i));
    }
    EXPECT_EQ(ovl->IndexNames(), expected);

    // Position 10 stays where it is.
    ovl->FirstLine("E10");
    EXPECT_EQ(ovl->IndexNames(), expected);

    // The last node moves to the front; the scan then appends after the new
    // last node, and every entry stays reachable.
    EXPECT_EQ(ovl->FirstLine("E14"), "line 14");
    EXPECT_EQ(ovl->IndexNames().front(), "E14");
    EXPECT_EQ(ovl->FirstLine("E15"), "line 15");
    const Names names = ovl->IndexNames();
    ASSERT_EQ(names.size(), 16u);
    EXPECT_EQ(names[14], "E13");
    EXPECT_EQ(names[15], "E15");

    // Position 11 (now E10) moves.
    ovl->FirstLine("E10");
    EXPECT_EQ(ovl->IndexNames().front(), "E10");
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(ovl->FirstLine("E" + std::to_string(i)), "line " + std::to_string(i));
    }
}

TEST(GTexIndex, OnlyTheFirstNamedFileCountsAndLookupsBeforeItFailQuietly)
{
    test::TempDir dir;
    const std::string first = dir.Write("first.OVL", "#A\nfrom first\n");
    const std::string second = dir.Write("second.OVL", "#A\nfrom second\n");
    cmcGTex store;
    EXPECT_EQ(store.FilePath(), "");
    // Asking before a file is named finds nothing but spoils nothing.
    EXPECT_FALSE(store.HasEntry("A"));
    EXPECT_EQ(store.NameFile(first), 1);
    EXPECT_EQ(store.NameFile(second), 0);
    EXPECT_EQ(store.FilePath(), first);
    EXPECT_EQ(store.FirstLine("A"), "from first");
}

TEST(GTexIndex, MissingOrEmptyFileHasNoEntries)
{
    test::TempDir dir;
    cmcGTex missing;
    missing.NameFile(dir.File("nowhere.OVL"));
    std::string text = "untouched";
    EXPECT_FALSE(missing.HasEntry("A"));
    EXPECT_FALSE(missing.TryText("A", 0, text));
    EXPECT_FALSE(missing.TryAllLines("A", text));

    cmcGTex empty;
    empty.NameFile(dir.Write("empty.OVL", ""));
    EXPECT_FALSE(empty.HasEntry("A"));
    EXPECT_TRUE(empty.IndexNames().empty());
}

}  // namespace
}  // namespace xtr
