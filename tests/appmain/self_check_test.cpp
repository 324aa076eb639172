// The image size self-check guards a build whose cell map outgrows its
// images: attaching the window with too small an image is fatal.
#include "app_fixture.h"

#include "app/events.h"
#include "app/globals.h"
#include "overlay/gtex.h"

namespace xtr::test {
namespace {

class SmallImageApp : public cuiMain {
public:
    SmallImageApp() : cuiMain("XTR450", 0x1000) {}
    void LoadInitialFile(int) override {}
};

using SelfCheckDeathTest = AppTest;

TEST_F(SelfCheckDeathTest, ImageSmallerThanTheCellMapIsFatal)
{
    Start();
    EXPECT_EXIT(
        {
            SmallImageApp app;
            app.AttachForm(&form);
        },
        ::testing::ExitedWithCode(3), "Self Check Error.\nEEPROM Map is too large.*\nAbnormal program termination");
}

}  // namespace
}  // namespace xtr::test
