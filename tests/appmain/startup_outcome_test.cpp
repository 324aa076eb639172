// How a start ends when the window cannot run, and the settings saved at
// the end of a run: a second copy ends quietly, a guard that cannot be made
// and an error escaping the window are told and end with a failure status,
// and a save that fails is told.
#include "app_fixture.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/main/startup_outcome.h"

#include <stdexcept>

namespace xtr::test {
namespace {

// A guard whose lock file cannot be made.
class BrokenGuard : public InstanceGuard {
public:
    bool Acquire(const std::string&) override { return false; }
    void Release() override {}
    bool Failed() const override { return true; }
};

// Settings that take every value but cannot be committed (a full disk, a
// registry that refuses the write).
class UncommittableSettings : public MemorySettings {
public:
    bool Commit() override { return false; }
};

ProcessServices ServicesWith(SettingsBackend& settings, InstanceGuard& guard)
{
    ProcessServices services;
    services.environ = EnvironServices{&settings, &guard, ScreenSize{1024, 768}};
    services.commandLine = {"xtr450"};
    return services;
}

TEST_F(AppTest, SecondCopyEndsQuietlyButABrokenGuardIsToldAndFails)
{
    LocalInstanceGuard first;
    ASSERT_TRUE(first.Acquire(kEnvironGuardName));
    {
        ProcessObjects second(ServicesWith(settings, guard));
        EXPECT_FALSE(second.HoldsGuard());
        EXPECT_FALSE(second.GuardFailed());
        EXPECT_EQ(GuardExitCode(second), kExitSecondCopy);
        EXPECT_TRUE(messages.asked.empty());
    }
    first.Release();

    BrokenGuard broken;
    {
        ProcessObjects objects(ServicesWith(settings, broken));
        EXPECT_FALSE(objects.HoldsGuard());
        EXPECT_TRUE(objects.GuardFailed());
        EXPECT_NE(GuardExitCode(objects), 0);
        ASSERT_EQ(messages.asked.size(), 1u);
        EXPECT_NE(messages.asked[0].text.find("lock file"), std::string::npos) << messages.asked[0].text;
    }
    // Nothing is written by a process that never held the guard.
    EXPECT_EQ(settings.WriteCount(), 0);
    EXPECT_EQ(messages.asked.size(), 1u);
}

TEST_F(AppTest, AnErrorEscapingTheWindowDetachesTheMessagesAndFails)
{
    std::vector<std::string> order;
    const int code = RunWindowLife(
        [&]() -> int {
            order.push_back("run");
            throw std::runtime_error("no window today");
        },
        [&] { order.push_back("detach"); });
    EXPECT_NE(code, 0);
    EXPECT_EQ(order, (std::vector<std::string>{"run", "detach"}));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, "no window today");

    int detached = 0;
    EXPECT_EQ(RunWindowLife([] { return 7; }, [&] { ++detached; }), 7);
    EXPECT_EQ(detached, 1);
    EXPECT_EQ(messages.asked.size(), 1u);
}

TEST_F(AppTest, ASettingsSaveThatFailsIsTold)
{
    {
        ProcessObjects objects(ServicesWith(settings, guard));
        ASSERT_TRUE(objects.HoldsGuard());
    }
    EXPECT_GT(settings.WriteCount(), 0);
    EXPECT_TRUE(messages.asked.empty()) << "a save that works says nothing";

    UncommittableSettings failing;
    {
        ProcessObjects objects(ServicesWith(failing, guard));
        ASSERT_TRUE(objects.HoldsGuard());
    }
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_NE(messages.asked[0].text.find("could not be saved"), std::string::npos) << messages.asked[0].text;
}

}  // namespace
}  // namespace xtr::test
