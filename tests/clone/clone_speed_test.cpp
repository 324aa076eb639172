// The two clone speeds: the speed-switch script each one sends and the line
// settings and preambles the driver works with afterwards.
#include "clone/clone_driver.h"
#include "clone/clone_speed.h"
#include "support/manual_time.h"

#include <gtest/gtest.h>

#include <string>

namespace xtr {
namespace {

TEST(CloneSpeed, TheSwitchScriptNamesTheModelAndTheNewSpeed)
{
    std::string fe;
    for (int i = 0; i < 20; ++i) {
        fe += "FE";
    }
    EXPECT_EQ(SpeedScript(CloneSpeed(true), 0x2527), "(9600,N,8,1)" + fe + " EEEF E8 25270000 01 3039 FD");
    EXPECT_EQ(SpeedScript(CloneSpeed(false), 0x2527), "(38400,N,8,1)" + fe + " EEEF E8 25270000 01 3237 FD");
    // Only the low sixteen bits of the model code are sent.
    EXPECT_EQ(SpeedScript(CloneSpeed(true), 0x1ABCD), "(9600,N,8,1)" + fe + " EEEF E8 ABCD0000 01 3039 FD");
}

TEST(CloneSpeed, TheDriverIsSetUpForTheWorkingSpeed)
{
    test::ManualTimeGuard clock;
    cmcCloneDrv driver;
    driver.SetTarget(0x2527, 0);
    ASSERT_TRUE(ConfigureCloneSpeed(driver, 3, true));
    EXPECT_EQ(driver.PortNumber(), 3);
    EXPECT_EQ(driver.WorkingSettings(), "38400,N,8,1");
    EXPECT_EQ(driver.CommandPreamble(), 48);
    EXPECT_EQ(driver.DataPreamble(), 12);

    ASSERT_TRUE(ConfigureCloneSpeed(driver, 1, false));
    EXPECT_EQ(driver.PortNumber(), 1);
    EXPECT_EQ(driver.WorkingSettings(), "9600,N,8,1");
    EXPECT_EQ(driver.CommandPreamble(), 12);
    EXPECT_EQ(driver.DataPreamble(), 0);
}

}  // namespace
}  // namespace xtr
