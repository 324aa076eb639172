// An overlay read from text in memory answers exactly as the same text read
// from a file, and naming a source works once only, whichever kind it is.
#include "overlay_file_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xtr {
namespace {

using test::OverlayOnDisk;

TEST(GTexTextSource, AnswersAsTheSameFileDoes)
{
    const std::vector<std::string> texts = {
        "#A\r\nline1\r\n\r\n#\nafter\n#B\nb0\n#End_Of_Ovl\n#Hidden\nx\n",
        "before\n#Last\nonly line without end",
        "#Long\n" + std::string(9000, 'x') + "\r\n#End_Of_Ovl\n",
        "",
    };
    const std::vector<std::string> names = {"A", "B", "Last", "Long", "Hidden", "End_Of_Ovl", "Missing"};
    for (const std::string& text : texts) {
        OverlayOnDisk disk(text);
        cmcGTex memory;
        ASSERT_EQ(memory.NameText(text), 1);
        EXPECT_EQ(memory.FilePath(), "");
        for (const std::string& name : names) {
            ASSERT_EQ(memory.HasEntry(name), disk->HasEntry(name)) << name;
            for (int n = 0; n < 6; ++n) {
                std::string fromDisk;
                std::string fromMemory;
                const bool onDisk = disk->TryText(name, n, fromDisk);
                ASSERT_EQ(memory.TryText(name, n, fromMemory), onDisk) << name << " line " << n;
                EXPECT_EQ(fromMemory, fromDisk) << name << " line " << n;
            }
            std::string allDisk;
            std::string allMemory;
            const bool all = disk->TryAllLines(name, allDisk);
            ASSERT_EQ(memory.TryAllLines(name, allMemory), all) << name;
            EXPECT_EQ(allMemory, allDisk) << name;
        }
        EXPECT_EQ(memory.IndexNames(), disk->IndexNames());
    }
}

TEST(GTexTextSource, OnlyTheFirstSourceNamedCounts)
{
    cmcGTex text;
    EXPECT_EQ(text.NameText("#A\nfrom text\n"), 1);
    EXPECT_EQ(text.NameFile("/nonexistent/XTR450.OVL"), 0);
    EXPECT_EQ(text.NameText("#A\nother\n"), 0);
    EXPECT_EQ(text.FirstLine("A"), "from text");

    OverlayOnDisk disk("#A\nfrom file\n");
    EXPECT_EQ(disk->NameText("#A\nfrom text\n"), 0);
    EXPECT_EQ(disk->FirstLine("A"), "from file");
}

}  // namespace
}  // namespace xtr
