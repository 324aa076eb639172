// The recent-file list: merging without regard to case, the capacity, and
// the text the file menu shows for an entry.
#include "app/recent.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

std::vector<std::string> Entries(const cmcRecent& list)
{
    std::vector<std::string> entries;
    for (int32_t i = 0; i < list.Count(); ++i) {
        entries.push_back(list.DisplayText(i, ""));
    }
    return entries;
}

TEST(Recent, EqualPathsMergeWithoutRegardToCaseKeepingTheNewSpelling)
{
    cmcRecent list(10);
    list.AddNewest("C:\\A.dat");
    list.AddNewest("C:\\b.dat");
    list.AddNewest("c:\\a.DAT");
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"c:\\a.DAT", "C:\\b.dat"}));
    list.AddOldest("C:\\B.DAT");
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"c:\\a.DAT", "C:\\B.DAT"}));
}

TEST(Recent, CapacityDropsFromTheBack)
{
    cmcRecent list(3);
    for (const char* path : {"a", "b", "c", "d"}) {
        list.AddNewest(path);
    }
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"d", "c", "b"}));
    // Appending to a full list drops the appended path itself.
    list.AddOldest("e");
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"d", "c", "b"}));
    // Re-adding a present path does not push anything out.
    list.AddNewest("B");
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"B", "d", "c"}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(Recent, DisplayTextShortensEntriesInTheGivenDirectory)
{
    cmcRecent list(10);
    list.AddOldest("C:\\Radios\\fleet.dat");
    list.AddOldest("C:\\Other\\spare.dat");
    list.AddOldest("/home/user/site.dat");
    list.AddOldest("bare.dat");

    EXPECT_EQ(list.DisplayText(0, "c:\\radios"), "fleet.dat");
    EXPECT_EQ(list.DisplayText(0, "C:\\RADIOS\\"), "fleet.dat");
    EXPECT_EQ(list.DisplayText(0, "C:\\Radio"), "C:\\Radios\\fleet.dat");
    EXPECT_EQ(list.DisplayText(1, "C:\\Radios"), "C:\\Other\\spare.dat");
    EXPECT_EQ(list.DisplayText(2, "/home/user/"), "site.dat");
    EXPECT_EQ(list.DisplayText(3, "/home/user"), "bare.dat");
    EXPECT_EQ(list.DisplayText(4, "C:\\Radios"), "");
    EXPECT_EQ(list.DisplayText(-1, ""), "");
}

TEST(Recent, EmptyDirectoryGivesEntriesAsStoredEvenAtTheRoot)
{
    // Written back with an empty directory, a file in a root directory must
    // keep its directory: its directory without the separator is empty too.
    cmcRecent list(10);
    list.AddOldest("/top.dat");
    list.AddOldest("\\drive-root.dat");
    EXPECT_EQ(list.DisplayText(0, ""), "/top.dat");
    EXPECT_EQ(list.DisplayText(1, ""), "\\drive-root.dat");
    // Shown from the root itself, the name alone is enough.
    EXPECT_EQ(list.DisplayText(0, "/"), "top.dat");
}

}  // namespace
}  // namespace xtr
