// The named-mutex instance guard: refused to a second holder in this
// process and in another, and free again once the holder releases it.
#ifdef _WIN32

#include "app/instance_guard.h"
#include "platform/settings_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

namespace xtr {
namespace {

// Unique to this run, so that a program left running elsewhere in the same
// session cannot disturb the test.
std::string GuardName()
{
    return "XtrTest Exclusive Mutex " + std::to_string(GetCurrentProcessId());
}

TEST(WinInstanceGuard, SecondHolderIsRefusedUntilRelease)
{
    const std::string name = GuardName();
    auto first = CreateInstanceGuard();
    auto second = CreateInstanceGuard();
    ASSERT_TRUE(first->Acquire(name));
    EXPECT_TRUE(first->Acquire(name));  // asking again changes nothing
    EXPECT_FALSE(second->Acquire(name));
    auto other = CreateInstanceGuard();
    EXPECT_TRUE(other->Acquire(name + " other"));

    first->Release();
    first->Release();  // harmless twice
    second->Release();
    EXPECT_TRUE(second->Acquire(name));
    EXPECT_FALSE(first->Acquire(name));
}

// Runs this test program again, only the child test below, which tries the
// guard named by the parent; its exit code tells what it got.
DWORD ChildAcquires(const std::string& name)
{
    char self[MAX_PATH];
    if (GetModuleFileNameA(nullptr, self, MAX_PATH) == 0) {
        return 99;
    }
    std::string command = std::string("\"") + self + "\" --gtest_filter=WinInstanceGuardChild.*";
    SetEnvironmentVariableA("XTR_TEST_GUARD_CHILD", name.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA("XTR_TEST_GUARD_CHILD", nullptr);
    if (!started) {
        return 98;
    }
    DWORD code = 97;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        TerminateProcess(process.hProcess, 96);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(WinInstanceGuard, AnotherProcessIsRefusedWhileThisOneHolds)
{
    const std::string name = GuardName() + " shared";
    auto guard = CreateInstanceGuard();
    ASSERT_TRUE(guard->Acquire(name));
    EXPECT_EQ(ChildAcquires(name), 10u);  // refused
    guard->Release();
    EXPECT_EQ(ChildAcquires(name), 11u);  // held, and freed by its exit
    EXPECT_TRUE(guard->Acquire(name));
}

TEST(WinInstanceGuardChild, TriesTheGuardOfItsParent)
{
    const char* name = std::getenv("XTR_TEST_GUARD_CHILD");
    if (name == nullptr || *name == '\0') {
        GTEST_SKIP() << "runs only as the child of AnotherProcessIsRefusedWhileThisOneHolds";
    }
    auto guard = CreateInstanceGuard();
    std::_Exit(guard->Acquire(name) ? 11 : 10);
}

}  // namespace
}  // namespace xtr

#endif  // _WIN32
