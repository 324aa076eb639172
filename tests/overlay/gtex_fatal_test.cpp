// A text the overlay cannot deliver ends the program with the GTEX message,
// whatever the reason: unknown name, no file, or a read that runs off the end
// of the file. Damaged files end the same way, never by a crash.
#include "overlay_file_fixture.h"

#include <gtest/gtest.h>

#include <random>

namespace xtr {
namespace {

using test::OverlayOnDisk;

std::string NotFound(const std::string& name)
{
    return "GTEX Error !\nThe index '" + name + "' was not found\\.\nAbnormal program termination";
}

TEST(GTexFatalDeathTest, UnknownName)
{
    OverlayOnDisk ovl("#A\na\n#End_Of_Ovl\n");
    EXPECT_EXIT(ovl->Text("Missing", 0), ::testing::ExitedWithCode(3), NotFound("Missing"));
    EXPECT_EXIT(ovl->AllLines("a"), ::testing::ExitedWithCode(3), NotFound("a"));
}

TEST(GTexFatalDeathTest, NameOnlyAfterEndMarker)
{
    OverlayOnDisk ovl("#A\na\n#End_Of_Ovl\n#Late\nlate\n");
    EXPECT_EXIT(ovl->FirstLine("Late"), ::testing::ExitedWithCode(3), NotFound("Late"));
}

TEST(GTexFatalDeathTest, MissingEmptyOrUnnamedFile)
{
    test::TempDir dir;
    cmcGTex missing;
    missing.NameFile(dir.File("XTR450.OVL"));
    EXPECT_EXIT(missing.FirstLine("GI_Sys_AppTitle"), ::testing::ExitedWithCode(3), NotFound("GI_Sys_AppTitle"));

    OverlayOnDisk empty("");
    EXPECT_EXIT(empty->AllLines("GI_Sys_AppTitle"), ::testing::ExitedWithCode(3), NotFound("GI_Sys_AppTitle"));

    cmcGTex unnamed;
    EXPECT_EXIT(unnamed.FirstLine("GI_Sys_AppTitle"), ::testing::ExitedWithCode(3), NotFound("GI_Sys_AppTitle"));
}

TEST(GTexFatalDeathTest, ReadRunsOffTheEndOfTheFile)
{
    // The last entry of a file without the end marker: all lines never meets
    // a following header.
    OverlayOnDisk ovl("#A\na\n#Last\nx\ny\n");
    EXPECT_EQ(ovl->Text("Last", 1), "y");
    EXPECT_EXIT(ovl->AllLines("Last"), ::testing::ExitedWithCode(3), NotFound("Last"));
    EXPECT_EXIT(ovl->Text("Last", 2), ::testing::ExitedWithCode(3), NotFound("Last"));
    EXPECT_EXIT(ovl->Text("A", 1000), ::testing::ExitedWithCode(3), NotFound("A"));
    EXPECT_EXIT(ovl->Text("A", -1), ::testing::ExitedWithCode(3), NotFound("A"));
}

TEST(GTexFatalDeathTest, BinaryFileEndsAtTheFirstLookup)
{
    std::mt19937 random(1234);
    std::string noise(200000, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random() & 0xFF);
    }
    OverlayOnDisk ovl(noise);
    EXPECT_EXIT(ovl->FirstLine("GI_Sys_AppTitle"), ::testing::ExitedWithCode(3), NotFound("GI_Sys_AppTitle"));
}

}  // namespace
}  // namespace xtr
