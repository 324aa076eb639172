// The lock-file instance guard: refused to a second holder in this process
// and in another, free again after release, and never left stuck by a
// holder that dies without releasing.
#ifndef _WIN32

#include "app/instance_guard.h"
#include "platform/settings_platform.h"
#include "scoped_env.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

namespace xtr {
namespace {

const std::string kName = "Nalu XT-R450(MPT) APP Exclusive Mutex";

TEST(InstanceGuard, SecondHolderIsRefusedUntilRelease)
{
    test::TempDir dir;
    test::ScopedEnv runtime("XDG_RUNTIME_DIR", dir.Path().string());
    auto first = CreateInstanceGuard();
    auto second = CreateInstanceGuard();
    ASSERT_TRUE(first->Acquire(kName));
    EXPECT_FALSE(second->Acquire(kName));
    EXPECT_TRUE(second->Acquire(kName + " other"));
    second->Release();

    first->Release();
    first->Release();  // harmless twice
    EXPECT_TRUE(second->Acquire(kName));
    EXPECT_FALSE(first->Acquire(kName));

    // The lock file lies in the runtime directory, its name free of blanks,
    // parentheses and separators.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(name.find_first_of(" ()/\\"), std::string::npos) << name;
        ++files;
    }
    EXPECT_EQ(files, 2);
}

// A lock file that cannot be made is a failure, not a running copy; a
// lock held elsewhere is not a failure.
TEST(InstanceGuard, ALockFileThatCannotBeMadeIsAFailure)
{
    test::TempDir dir;
    test::ScopedEnv runtime("XDG_RUNTIME_DIR", dir.Path().string());
    auto first = CreateInstanceGuard();
    auto second = CreateInstanceGuard();
    ASSERT_TRUE(first->Acquire(kName));
    EXPECT_FALSE(first->Failed());
    EXPECT_FALSE(second->Acquire(kName));
    EXPECT_FALSE(second->Failed()) << "another holder is no failure";
    // Where the lock file would lie stands a folder: nothing can open it,
    // whoever runs the test.
    std::string lockFile;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        lockFile = entry.path().string();
    }
    first->Release();
    ASSERT_FALSE(lockFile.empty());
    std::filesystem::remove(lockFile);
    std::filesystem::create_directory(lockFile);
    EXPECT_FALSE(second->Acquire(kName));
    EXPECT_TRUE(second->Failed());
}

TEST(InstanceGuard, AnotherProcessIsRefusedAndADeadHolderLeavesNoLock)
{
    test::TempDir dir;
    test::ScopedEnv runtime("XDG_RUNTIME_DIR", dir.Path().string());
    int ready[2];
    int finish[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(finish), 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(ready[0]);
        close(finish[1]);
        auto guard = CreateInstanceGuard();
        const char held = guard->Acquire(kName) ? '1' : '0';
        (void)!write(ready[1], &held, 1);
        char dummy;
        (void)!read(finish[0], &dummy, 1);  // until the parent closes its end
        _exit(0);                            // ends without releasing
    }
    close(ready[1]);
    close(finish[0]);
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, '1');

    auto guard = CreateInstanceGuard();
    EXPECT_FALSE(guard->Acquire(kName));

    close(finish[1]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    close(ready[0]);
    EXPECT_TRUE(guard->Acquire(kName));
}

}  // namespace
}  // namespace xtr

#endif  // !_WIN32
