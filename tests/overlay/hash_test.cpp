// The name hash tables: the bucket function, exact-name lookup through
// chains, and the fatal end of a second insert of one name.
#include "overlay/hash.h"

#include <gtest/gtest.h>

#include <limits>

namespace xtr {
namespace {

TEST(HashBucket, FollowsTheNameTableHash)
{
    EXPECT_EQ(cmcHash::Bucket("", 1031), 0u);
    // k = 515: 0 * 2 + 515 + 65.
    EXPECT_EQ(cmcHash::Bucket("A", 1031), 580u);
    EXPECT_EQ(cmcHash::Bucket("A", 0), 580u);
    // "B" (66) is even: k stays 515. 2 * 580 + 515 + 66 = 1741 -> 710.
    EXPECT_EQ(cmcHash::Bucket("AB", 1031), 710u);
    // "C" (67) is odd: k halves to 257. 2 * 580 + 257 + 67 = 1484 -> 453.
    EXPECT_EQ(cmcHash::Bucket("AC", 1031), 453u);
    // n = 4: k goes 2 -> 1 -> 0, which restarts at 2: 99, 296, 691 -> 3.
    EXPECT_EQ(cmcHash::Bucket("aaa", 4), 3u);
    // Characters are signed: 0xFF counts as -1. 515 - 1 = 514.
    EXPECT_EQ(cmcHash::Bucket("\xff", 1031), 514u);
    // Long names wrap the 32-bit sum (values worked out independently).
    EXPECT_EQ(cmcHash::Bucket(std::string(40, '\xff'), 1031), 535u);
    EXPECT_EQ(cmcHash::Bucket(std::string(40, '\x80'), 1031), 303u);
    EXPECT_EQ(cmcHash2<int>::Bucket("clWindow", 101), 60u);
}

TEST(Hash, FindsInsertedNamesExactly)
{
    cmcHash hash;
    EXPECT_EQ(hash.BucketCount(), 1031u);
    hash.Insert("CL_Menu_Clone_Read", 7);
    hash.Insert("cl_menu_clone_read", -1);
    hash.Insert("Max", std::numeric_limits<std::int32_t>::max());
    hash.Insert("Min", std::numeric_limits<std::int32_t>::min());
    hash.Insert("", 42);
    ASSERT_NE(hash.Find("CL_Menu_Clone_Read"), nullptr);
    EXPECT_EQ(hash.Find("CL_Menu_Clone_Read")->value, 7);
    EXPECT_EQ(hash.Find("cl_menu_clone_read")->value, -1);
    EXPECT_EQ(hash.Find("Max")->value, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(hash.Find("Min")->value, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(hash.Find("")->value, 42);
    EXPECT_EQ(hash.Find("CL_MENU_CLONE_READ"), nullptr);
    EXPECT_EQ(hash.Find("CL_Menu_Clone_Rea"), nullptr);
    EXPECT_EQ(hash.Size(), 5u);
}

TEST(Hash, CollidingNamesShareABucketNewestFirst)
{
    cmcHash hash(1);  // one bucket: every name collides
    for (int i = 0; i < 100; ++i) {
        hash.Insert("name" + std::to_string(i), i);
    }
    for (int i = 0; i < 100; ++i) {
        const cmcHash::Entry* entry = hash.Find("name" + std::to_string(i));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->value, i);
    }
    EXPECT_EQ(hash.Find("name98")->next, hash.Find("name97"));
    EXPECT_EQ(hash.Find("name0")->next, nullptr);
}

struct SelectionTable {
    int rows = 0;
};

TEST(Hash2, MapsNamesToTablesItDoesNotOwn)
{
    SelectionTable ctcss{38};
    SelectionTable power{3};
    {
        cmcHash2<SelectionTable> tables(1031);
        tables.Insert("GI_Sheet_Sel_Ctcss#5", &ctcss);
        tables.Insert("GI_Sheet_Sel_Ctcss#6", &power);
        ASSERT_NE(tables.Find("GI_Sheet_Sel_Ctcss#5"), nullptr);
        EXPECT_EQ(tables.Find("GI_Sheet_Sel_Ctcss#5")->value, &ctcss);
        EXPECT_EQ(tables.Find("GI_Sheet_Sel_Ctcss#6")->value->rows, 3);
        EXPECT_EQ(tables.Find("GI_Sheet_Sel_Ctcss"), nullptr);
    }
    // The tables outlive the hash.
    EXPECT_EQ(ctcss.rows, 38);
}

TEST(HashDeathTest, SecondInsertOfANameIsFatal)
{
    cmcHash hash(101);
    hash.Insert("clRed", 0xFF);
    EXPECT_EXIT(hash.Insert("clRed", 0xFF), ::testing::ExitedWithCode(3),
                "Overlapped Hash table\\.\nAbnormal program termination");

    SelectionTable table;
    cmcHash2<SelectionTable> tables;
    tables.Insert("List#1", &table);
    EXPECT_EXIT(tables.Insert("List#1", nullptr), ::testing::ExitedWithCode(3),
                "Overlapped Hash2 table\\.\nAbnormal program termination");
}

}  // namespace
}  // namespace xtr
