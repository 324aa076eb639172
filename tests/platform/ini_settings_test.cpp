// The settings file: a full round trip of the settings store through the
// file named by XTR450_SETTINGS, damaged and oversized files, values the
// format cannot hold, and the all-or-nothing replacement of the file.
#include "app/environ.h"
#include "app/local_instance_guard.h"
#include "platform/ini_settings.h"
#include "platform/settings_platform.h"
#include "scoped_env.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace xtr {
namespace {

const ScreenSize kScreen{1024, 768};

// Every line is a section header or a Name=value pair.
bool LooksClean(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const bool section = line.size() >= 2 && line.front() == '[' && line.back() == ']';
        const bool pair = line.find('=') != std::string::npos && line.front() != '=';
        if (!line.empty() && !section && !pair) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> DirectoryNames(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

TEST(IniSettings, SettingsSurviveARoundTripThroughTheNamedFile)
{
    test::TempDir dir;
    const std::string file = dir.File("sub/settings.ini");  // directory made on demand
    test::ScopedEnv env("XTR450_SETTINGS", file);
    LocalInstanceGuard guard;
    {
        auto backend = CreateUserSettingsBackend(kEnvironPerUserKey);
        indEnviron store(kEnvironGuardName, kEnvironPerUserKey, {backend.get(), &guard, kScreen});
        store.comPort = 17;
        store.comSpeedHigh = 1;
        store.windowLeft = -300;
        store.modelType = 1;
        store.recent.AddNewest("/home/me/old.dat");
        store.recent.AddNewest("/home/me/with = sign; and spaces .dat");
    }
    const std::string text = test::ReadWholeFile(file);
    EXPECT_NE(text.find("[Global]\nBBT=753951\nComPort=17\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Recent File List]\n"), std::string::npos);
    EXPECT_NE(text.find("Recent9=\n"), std::string::npos);
    EXPECT_TRUE(LooksClean(text));

    auto backend = CreateUserSettingsBackend(kEnvironPerUserKey);
    indEnviron store(kEnvironGuardName, kEnvironPerUserKey, {backend.get(), &guard, kScreen});
    EXPECT_EQ(store.comPort, 17);
    EXPECT_EQ(store.comSpeedHigh, 1);
    EXPECT_EQ(store.windowLeft, -300);
    EXPECT_EQ(store.windowWidth, 800);
    EXPECT_EQ(store.modelType, 1);
    EXPECT_EQ(store.recent.DisplayText(0, ""), "/home/me/with = sign; and spaces .dat");
    EXPECT_EQ(store.recent.DisplayText(1, ""), "/home/me/old.dat");
}

TEST(IniSettings, DamagedFileGivesDefaultsAndIsRewrittenCleanly)
{
    test::TempDir dir;
    const std::string damaged = std::string("\x7f" "ELF\x01\x00\x02garbage\n", 14) +
                                "[Global]\nBBT=753951\nComPort=12abc\nComSpeedHigh=1\n"
                                "no equals sign here\n[Window Position\nLeft=5\n";
    const std::string file = dir.Write("settings.ini", damaged);
    LocalInstanceGuard guard;
    {
        IniSettings backend(file, kEnvironPerUserKey);
        indEnviron store(kEnvironGuardName, kEnvironPerUserKey, {&backend, &guard, kScreen});
        EXPECT_EQ(store.comPort, 1);
        EXPECT_EQ(store.comSpeedHigh, 0);
        EXPECT_EQ(store.windowLeft, 112);
    }
    const std::string text = test::ReadWholeFile(file);
    EXPECT_TRUE(LooksClean(text)) << text;
    EXPECT_EQ(text.find("garbage"), std::string::npos);
    EXPECT_NE(text.find("ComPort=1\n"), std::string::npos);
    EXPECT_NE(text.find("[Window Position]\nLeft=112\n"), std::string::npos);

    IniSettings reread(file, kEnvironPerUserKey);
    EXPECT_EQ(reread.ReadInt(std::string(kEnvironPerUserKey) + "\\Global", "comport"), 1);
}

TEST(IniSettings, TakesOnlyWhatOneLineCanHold)
{
    IniSettings backend("", "Root");
    backend.Parse("[S]\na=-2147483648\nb= 42 \nc=2147483648\nd=0x10\ne=\nf=7 7\n");
    EXPECT_EQ(backend.ReadInt("Root\\S", "a"), INT32_MIN);
    EXPECT_EQ(backend.ReadInt("Root\\S", "B"), 42);
    for (const char* bad : {"c", "d", "e", "f"}) {
        EXPECT_EQ(backend.ReadInt("Root\\S", bad), std::nullopt) << bad;
    }
    backend.Parse("");
    EXPECT_FALSE(backend.WriteString("Root\\S", "name", "two\nlines"));
    EXPECT_FALSE(backend.WriteString("Root\\S", "name", "carriage\rreturn"));
    EXPECT_FALSE(backend.WriteString("Root\\S", "name", std::string("nul\0byte", 8)));
    EXPECT_FALSE(backend.WriteString("Root\\S", "a=b", "x"));
    EXPECT_FALSE(backend.WriteString("Root\\S", "", "x"));
    EXPECT_FALSE(backend.WriteInt("Root\\Line\nBreak", "name", 1));
    EXPECT_TRUE(backend.WriteString("Root\\S", "name", "tab\tand \\ backslash"));
    EXPECT_EQ(backend.Render(), "[S]\nname=tab\tand \\ backslash\n");
    // Without a file there is nowhere to commit to.
    EXPECT_FALSE(backend.Commit());
}

TEST(IniSettings, OversizedOrNonRegularFilesReadAsEmpty)
{
    test::TempDir dir;
    std::string big = "[Global]\nBBT=753951\n";
    big.resize(IniSettings::kMaxFileSize + 1, '#');
    IniSettings oversized(dir.Write("big.ini", big), "Root");
    EXPECT_EQ(oversized.ReadInt("Root\\Global", "BBT"), std::nullopt);

    IniSettings directory(dir.Path().string(), "Root");
    EXPECT_EQ(directory.ReadInt("Root\\Global", "BBT"), std::nullopt);
    EXPECT_FALSE(directory.Commit());  // a directory is never replaced
    EXPECT_TRUE(fs::is_directory(dir.Path()));
}

TEST(IniSettings, CommitReplacesTheFileWholeAndLeavesNothingBeside)
{
    test::TempDir dir;
    const std::string file = dir.Write("s.ini", "[Old]\nkept=yes\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    IniSettings backend(file, "Root");
    ASSERT_TRUE(backend.WriteInt("Root\\New", "n", 5));
    ASSERT_TRUE(backend.Commit());
    EXPECT_EQ(test::ReadWholeFile(file), "[Old]\nkept=yes\n\n[New]\nn=5\n");
    EXPECT_EQ(DirectoryNames(dir.Path()), std::vector<std::string>{"s.ini"});
#ifndef _WIN32
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
#endif

    // A failed commit leaves the old file as it was and no temporary file.
    const std::string blocked = dir.Write("blocker", "a file, not a directory");
    IniSettings unwritable(blocked + "/s.ini", "Root");
    ASSERT_TRUE(unwritable.WriteInt("Root\\New", "n", 5));
    EXPECT_FALSE(unwritable.Commit());
    EXPECT_EQ(test::ReadWholeFile(blocked), "a file, not a directory");
}

#ifndef _WIN32
TEST(IniSettings, CommitWritesThroughASymbolicLink)
{
    test::TempDir dir;
    const std::string real = dir.Write("real.ini", "");
    const std::string link = dir.File("link.ini");
    fs::create_symlink(real, link);
    IniSettings backend(link, "Root");
    ASSERT_TRUE(backend.WriteInt("Root\\S", "v", 1));
    ASSERT_TRUE(backend.Commit());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadWholeFile(real), "[S]\nv=1\n");
}

#endif

}  // namespace
}  // namespace xtr
