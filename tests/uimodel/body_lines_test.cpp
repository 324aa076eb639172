// The reader of indented "+" body lines shared by the menus, the tree and
// the command-line tool.
#include "support/overlay_guard.h"
#include "ui/model/body_lines.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

struct Shape {
    int level;
    int parent;
    std::string description;
    bool operator==(const Shape&) const = default;
};

std::vector<Shape> Shapes(const std::vector<std::string>& lines)
{
    std::vector<Shape> shapes;
    for (const BodyItem& item : NestBodyLines(lines)) {
        shapes.push_back({item.level, item.parent, item.description});
    }
    return shapes;
}

TEST(BodyLines, ShallowerLineOpensANewChildLevelUnderTheSameItem)
{
    // Depths 0, 2, 2, 1, 0: the line at depth 1 ends the depth-2 level and
    // starts another child level of the first item.
    EXPECT_EQ(Shapes({"+A", "  +B", "  +C", " +D", "+E"}),
              (std::vector<Shape>{{0, -1, "A"}, {1, 0, "B"}, {1, 0, "C"}, {1, 0, "D"}, {0, -1, "E"}}));
}

TEST(BodyLines, AnyDeeperIndentationIsOneLevelDownAndShallowerLinesCloseLevels)
{
    EXPECT_EQ(Shapes({"+A", "      +B", "         +C", "  +D", "      +E", "+F"}),
              (std::vector<Shape>{{0, -1, "A"}, {1, 0, "B"}, {2, 1, "C"}, {1, 0, "D"}, {2, 3, "E"}, {0, -1, "F"}}));
}

TEST(BodyLines, LineShallowerThanTheFirstEndsTheBody)
{
    EXPECT_EQ(Shapes({"  +A", "    +B", " +C", "  +D"}), (std::vector<Shape>{{0, -1, "A"}, {1, 0, "B"}}));
}

TEST(BodyLines, LineWithoutPlusHasTheDepthOfItsLengthAndNoDescription)
{
    const BodyItem item = SplitBodyLine("abc");
    EXPECT_EQ(item.depth, 3);
    EXPECT_EQ(item.description, "");
    // Only the first "+" counts; the description keeps later ones and any
    // character, not only blanks, indents.
    const BodyItem marked = SplitBodyLine("x\t+{(%CL_Null)}a+b");
    EXPECT_EQ(marked.depth, 2);
    EXPECT_EQ(marked.description, "{(%CL_Null)}a+b");
    EXPECT_EQ(Shapes({"+A", "xyz", "+B"}), (std::vector<Shape>{{0, -1, "A"}, {1, 0, ""}, {0, -1, "B"}}));
}

TEST(BodyLines, EntryEndsAtTheNextHeaderOrTheEndOfTheFile)
{
    auto overlay = test::OverlayGuard::FromText("#M_Body\n+A\n +B\n\n#Next\n+C\n#Last_Body\n+D\n");
    EXPECT_EQ(ReadBodyLines(overlay->Store(), "M_Body"), (std::vector<std::string>{"+A", " +B", ""}));
    EXPECT_EQ(ReadBodyLines(overlay->Store(), "Last_Body"), (std::vector<std::string>{"+D"}));
    const std::vector<BodyItem> items = ReadBody(overlay->Store(), "M_Body");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1].parent, 0);
}

}  // namespace
}  // namespace xtr
