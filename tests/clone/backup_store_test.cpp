// The backup folder: names by serial number and time, the newest N of each
// radio kept, files of other names and other radios left alone, and a
// folder that cannot be made reported without a file appearing.
#include "clone/backup_store.h"

#include "image/clone_file.h"
#include "image/eeprom.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace xtr::test {
namespace {

cmcEeprom Image(uint8_t fill)
{
    cmcEeprom image;
    image.SetSize(0x4000);
    image.Fill(fill);
    return image;
}

TEST(BackupStore, KeepsTheNewestOfEachRadioAndListsThemNewestFirst)
{
    TempDir dir;
    const std::string folder = dir.File("backups");
    BackupStore store(folder, 3);
    dir.Write("unrelated.kcl", "not a backup\n");
    std::string path;
    std::string error;
    // Five reads of one radio (two in the same second), one of another.
    const BackupTime times[] = {{2026, 12, 8, 3, 0, 1}, {2026, 12, 8, 3, 0, 2}, {2026, 12, 8, 3, 0, 2},
                                {2025, 1, 31, 23, 59, 59}, {2026, 12, 9, 0, 0, 0}};
    for (const BackupTime& when : times) {
        ASSERT_TRUE(store.Keep(Image(0x11), 0x2527, 0, "026/02/736333", when, path, error)) << error;
    }
    ASSERT_TRUE(store.Keep(Image(0x22), 0x2527, 0, "001/01/000001", {2020, 1, 1, 0, 0, 0}, path, error));
    EXPECT_EQ(std::filesystem::path(path).filename(), "001-01-000001_20200101-000000.kcl");

    const std::vector<BackupEntry> one = store.List("026/02/736333");
    ASSERT_EQ(one.size(), 3u);
    EXPECT_EQ(std::filesystem::path(one[0].path).filename(), "026-02-736333_20261209-000000.kcl");
    EXPECT_EQ(std::filesystem::path(one[1].path).filename(), "026-02-736333_20261208-030002-2.kcl");
    EXPECT_EQ(std::filesystem::path(one[2].path).filename(), "026-02-736333_20261208-030002.kcl");
    EXPECT_EQ(one[0].when, "2026-12-09 00:00:00");
    EXPECT_EQ(store.List().size(), 4u);
    EXPECT_TRUE(std::filesystem::exists(dir.File("unrelated.kcl")));

    // A backup is a clone file of the clone area that reads back.
    cmcEeprom back = Image(0);
    cmcKclFile file;
    file.SetImage(&back);
    file.SetModelCode(0x2527);
    file.SetMapRevisionCheck(AcceptKnownMapRevision, nullptr);
    EXPECT_EQ(file.Read(one[0].path, RangeList(kCloneAreaRanges)), kKclOk);
    EXPECT_EQ(back.GetByte(0x1FFF), 0x11);
}

TEST(BackupStore, AFolderThatCannotBeMadeIsReported)
{
    TempDir dir;
    const std::string blocker = dir.Write("blocker", "x");
    BackupStore store(blocker + "/backups");
    std::string path;
    std::string error;
    EXPECT_FALSE(store.Keep(Image(0), 0x2527, 0, "1", {}, path, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(store.List().empty());

    BackupStore nowhere("");
    EXPECT_FALSE(nowhere.Keep(Image(0), 0x2527, 0, "1", {}, path, error));
}

}  // namespace
}  // namespace xtr::test
