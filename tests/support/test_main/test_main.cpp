// The main function of every test program. Besides running the tests, it
// makes a missing time service a test failure: code that asks Time() with
// no service installed would otherwise run on the system clock, and the
// test would depend on how fast the machine happens to be.
#include "app/manual_time.h"

#include <gtest/gtest.h>

namespace {

xtr::TimeService& NoTimeService()
{
    ADD_FAILURE() << "Time() was asked with no time service installed; the test must install one "
                     "(a test::ManualTimeGuard, or a LoopTimeService of its own).";
    // Time stands still here, so that the failing test cannot hang on it.
    static xtr::ManualTimeService stopped;
    return stopped;
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    xtr::SetMissingTimeServiceHandler(&NoTimeService);
    return RUN_ALL_TESTS();
}
