// Start-up, attaching the main window, the second instance and shutdown.
#include "app_fixture.h"

#include "app/environ.h"
#include "app/events.h"
#include "app/globals.h"
#include "image/image_identity.h"
#include "overlay/gtex.h"
#include "platform/scoped_env.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>

namespace xtr::test {
namespace {

const std::string kGlobal = std::string(kEnvironPerUserKey) + "\\Global";
const std::string kWindow = std::string(kEnvironPerUserKey) + "\\Window Position";

TEST_F(AppTest, AttachingBuildsTheWindowFromSettingsAndInitialFile)
{
    StartAttached();
    EXPECT_EQ(App().ModelCode(), 0x2527);
    EXPECT_EQ(App().ExtraCode(), 0);
    EXPECT_EQ(App().ImageSize(), 0x4000);

    // The reference image comes from the initial file of the Mpt variant,
    // and the current, spare and comparison images start as copies of it.
    EXPECT_EQ(CheckImageIdentity(App().ReferenceImage(), false), 0);
    EXPECT_TRUE(App().CurrentImage().Equals(App().ReferenceImage()));
    EXPECT_TRUE(App().SpareImage().Equals(App().ReferenceImage()));
    EXPECT_TRUE(App().ComparisonImage().Equals(App().ReferenceImage()));
    EXPECT_FALSE(App().Modified());

    EXPECT_EQ(form.title, "Untitled - " + GTex().FirstLine("GI_Sys_AppTitle"));
    EXPECT_TRUE(form.panelsBuilt);
    EXPECT_EQ(form.leftPanelWidth, 200);  // default splitter position
    EXPECT_TRUE(form.statusBarBuilt);
    EXPECT_TRUE(form.shown);
    EXPECT_EQ(Env().attached, 1);
}

TEST_F(AppTest, SplitterPositionIsAtLeastTheSplitterMinimum)
{
    Start();
    Env().splitterV = 3;
    App().AttachForm(&form);
    EXPECT_EQ(form.leftPanelWidth, 8);
}

TEST_F(AppTest, ModelTypeOutsideTheVariantsRunsAsMpt)
{
    Start();
    Env().modelType = 2;
    App().AttachForm(&form);
    EXPECT_EQ(Env().modelType, 0);
}

TEST_F(AppTest, SecondInstanceReadsAndWritesNothing)
{
    LocalInstanceGuard firstCopy;
    ASSERT_TRUE(firstCopy.Acquire(kEnvironGuardName));
    settings.Put(kGlobal, "ComPort", 5);
    Start();
    EXPECT_FALSE(objects->HoldsGuard());
    objects.reset();
    EXPECT_EQ(settings.ReadCount(), 0);
    EXPECT_EQ(settings.WriteCount(), 0);
}

TEST_F(AppTest, ClosingStoresNormalBoundsAndSplitterThenShutdownWritesThem)
{
    StartAttached();
    form.normalBounds = Rect{30, 40, 730, 540};
    form.leftPanelWidth = 260;
    ASSERT_TRUE(App().QueryClose());
    App().FormClosed();
    objects.reset();
    ASSERT_NE(settings.Find(kWindow, "Left"), nullptr);
    EXPECT_EQ(std::get<int32_t>(*settings.Find(kWindow, "Left")), 30);
    EXPECT_EQ(std::get<int32_t>(*settings.Find(kWindow, "Top")), 40);
    EXPECT_EQ(std::get<int32_t>(*settings.Find(kWindow, "Width")), 700);
    EXPECT_EQ(std::get<int32_t>(*settings.Find(kWindow, "Height")), 500);
    EXPECT_EQ(std::get<int32_t>(*settings.Find(kWindow, "SplitterV")), 260);
}

TEST_F(AppTest, CloseIsRefusedWhileTheFormIsDisabled)
{
    StartAttached();
    form.enabled = false;
    form.normalBounds = Rect{1, 2, 3, 4};
    EXPECT_FALSE(App().QueryClose());
    EXPECT_NE(Env().windowLeft, 1);
}

TEST_F(AppTest, ShutdownDestroysInReverseOrder)
{
    StartAttached();
    objects.reset();
    EXPECT_FALSE(HasApp());
    EXPECT_FALSE(HasEvMan());
    EXPECT_FALSE(HasGTex());
    EXPECT_FALSE(HasEnv());
    // The settings were written last, after everything else was gone.
    EXPECT_GT(settings.WriteCount(), 0);
}

using AppDeathTest = AppTest;

TEST_F(AppDeathTest, MissingInitialFileIsFatal)
{
    TempDir dir;
    std::filesystem::copy_file(std::string(std::getenv("XTR450_DATA_DIR")) + "/XTR450.OVL", dir.File("XTR450.OVL"));
    EXPECT_EXIT(
        {
            ScopedEnv data("XTR450_DATA_DIR", dir.Path().string());
            StartAttached();
        },
        ::testing::ExitedWithCode(3), "Cannot open '.*XTR450MPT.kcl'\\.");
}

TEST_F(AppDeathTest, MissingOverlayEndsAtTheFirstLookup)
{
    TempDir dir;
    EXPECT_EXIT(
        {
            ScopedEnv data("XTR450_DATA_DIR", dir.Path().string());
            StartAttached();
        },
        ::testing::ExitedWithCode(3), "GTEX Error !\nThe index 'GI_App_InitialFile' was not found\\.");
}

}  // namespace
}  // namespace xtr::test
