// Installing time services: a guard puts back what it replaced, and in the
// test programs asking for the time with no service installed fails the
// test instead of quietly running on the system clock.
#include "app/time_service.h"
#include "support/manual_time.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace xtr {
namespace {

TEST(TimeServiceInTests, AskingWithoutAServiceFailsTheTest)
{
    ASSERT_EQ(SetTimeService(nullptr), nullptr);
    EXPECT_NONFATAL_FAILURE(Time().TickCount(), "no time service installed");
}

TEST(TimeServiceInTests, NestedGuardsPutBackWhatTheyReplaced)
{
    test::ManualTimeGuard outer;
    outer->Advance(7);
    {
        test::ManualTimeGuard inner;
        EXPECT_EQ(&Time(), &*inner);
    }
    EXPECT_EQ(&Time(), &*outer);
    EXPECT_EQ(Time().TickCount(), 7u);
}

}  // namespace
}  // namespace xtr
