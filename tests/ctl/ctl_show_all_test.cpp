// Every page of the navigation tree, shown by xtr450ctl on each factory file
// in its own numbering: no page may show a cell without behaviour ("*Yet*")
// or a value that has no item in its list ("error").
#include "ctl_process.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace xtr::test {
namespace {

// The sheet references that `xtr450ctl sheets` lists, one per line after
// the caption.
std::vector<std::string> SheetReferences(const std::string& listing)
{
    std::vector<std::string> references;
    std::istringstream in(listing);
    std::string line;
    while (std::getline(in, line)) {
        const auto start = line.find('[');
        if (start == std::string::npos) {
            continue;
        }
        auto end = line.find(' ', start);
        references.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
    }
    return references;
}

TEST(CtlShowAll, EveryPageOfBothFactoryFilesShowsWithoutPlaceholders)
{
    if (ProgramDirectory().empty()) {
        GTEST_SKIP() << "xtr450ctl is not built";
    }
    TempDir dir;
    const CtlRun sheets = RunCtl({"sheets"}, dir.Path().string());
    ASSERT_EQ(sheets.status, 0) << sheets.err;
    const std::vector<std::string> references = SheetReferences(sheets.out);
    ASSERT_GT(references.size(), 20u);

    for (const char* variant : {"mpt", "cps"}) {
        SCOPED_TRACE(variant);
        const std::string file = std::string(XTR_SOURCE_DATA_DIR) + (variant[0] == 'm' ? "/XTR450MPT.kcl" : "/XTR450CPS.kcl");
        std::vector<std::string> args = {"show", "--variant", variant, file};
        args.insert(args.end(), references.begin(), references.end());
        const CtlRun shown = RunCtl(args, dir.Path().string());
        ASSERT_EQ(shown.status, 0) << shown.err;
        EXPECT_EQ(shown.out.find("*Yet*"), std::string::npos);
        EXPECT_EQ(shown.out.find("error"), std::string::npos);
        EXPECT_GT(shown.out.size(), 2000u);
    }
}

}  // namespace
}  // namespace xtr::test
