// The overlay's dialog filters as the toolkit's file dialogs take them.
#include "ui/model/dialog_filter.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

TEST(DialogFilter, PairsBecomeEntriesWithTheirPatterns)
{
    EXPECT_EQ(DialogFilterEntries("Clone files (*.kcl)|*.kcl|All files (*.*)|*.*"),
              (std::vector<std::string>{"Clone files (*.kcl)", "All files (*.*)"}));
    // A description without patterns gets them; ';' separates patterns.
    EXPECT_EQ(DialogFilterEntries("Clone files|*.kcl;*.KCL"), (std::vector<std::string>{"Clone files (*.kcl *.KCL)"}));
    // A description left without patterns is kept; nothing gives nothing.
    EXPECT_EQ(DialogFilterEntries("Clone files|*.kcl|Odd"), (std::vector<std::string>{"Clone files (*.kcl)", "Odd"}));
    EXPECT_TRUE(DialogFilterEntries("").empty());
}

TEST(DialogFilter, DefaultExtensionOnlyForNamesWithoutOne)
{
    EXPECT_EQ(WithDefaultExtension("Untitled", "kcl"), "Untitled.kcl");
    EXPECT_EQ(WithDefaultExtension("site.KCL", "kcl"), "site.KCL");
    EXPECT_EQ(WithDefaultExtension("", "kcl"), "");
    EXPECT_EQ(WithDefaultExtension("Untitled", ""), "Untitled");
}

}  // namespace
}  // namespace xtr
