// Line reading of the overlay file against a plain byte-by-byte reading of
// the same rules, over files whose lines cross the reader's internal blocks
// and the line limit in every way.
#include "overlay/overlay_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace xtr {
namespace {

struct Line {
    std::string text;
    std::int64_t next;
};

// The rules one byte at a time: "\r\n" and "\n" end a line (as "\n"), at
// most 8191 characters before the line end, and a line end directly after
// 8191 characters still belongs to the line.
std::vector<Line> ReferenceLines(const std::string& bytes)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    auto lineEndAt = [&](std::size_t at) -> std::size_t {
        if (at < bytes.size() && bytes[at] == '\n') {
            return 1;
        }
        if (at + 1 < bytes.size() && bytes[at] == '\r' && bytes[at + 1] == '\n') {
            return 2;
        }
        return 0;
    };
    while (pos < bytes.size()) {
        std::string text;
        while (text.size() < OverlayFile::kMaxLineChars && pos < bytes.size() && lineEndAt(pos) == 0) {
            text.push_back(bytes[pos++]);
        }
        if (const std::size_t end = lineEndAt(pos); end != 0) {
            text.push_back('\n');
            pos += end;
        }
        lines.push_back({text, static_cast<std::int64_t>(pos)});
    }
    return lines;
}

std::string RandomOverlayBytes(std::mt19937& random)
{
    static const int kLengths[] = {0, 1, 2, 8189, 8190, 8191, 8192, 8193, 10000, 16382, 16383, 20000};
    std::string bytes;
    while (bytes.size() < 200000) {
        const int pick = static_cast<int>(random() % 20);
        const int length = pick < 12 ? kLengths[pick] : static_cast<int>(random() % 120);
        for (int i = 0; i < length; ++i) {
            const unsigned r = random() % 50;
            bytes.push_back(r == 0 ? '\r' : r == 1 ? '\0' : static_cast<char>('a' + r % 26));
        }
        // A carriage return often lands right before the line feed.
        bytes += (random() % 3 == 0) ? "\r\n" : (random() % 10 == 0) ? "\r" : "\n";
    }
    return bytes;
}

TEST(OverlayFile, ReadsLinesLikeTheByteByByteRules)
{
    std::mt19937 random(2024);
    test::TempDir dir;
    for (int round = 0; round < 8; ++round) {
        std::string bytes = RandomOverlayBytes(random);
        if (round % 2 == 1) {
            bytes.resize(bytes.size() - random() % 3);  // cut short
        }
        const std::vector<Line> expected = ReferenceLines(bytes);
        // The same bytes from a file (read in blocks) and from memory.
        OverlayFile onDisk;
        ASSERT_TRUE(onDisk.Open(dir.Write("round" + std::to_string(round), bytes)));
        OverlayFile inMemory;
        inMemory.OpenText(bytes);
        ASSERT_TRUE(inMemory.IsOpen());
        for (OverlayFile* file : {&onDisk, &inMemory}) {
            const char* source = file == &onDisk ? "file" : "memory";
            std::int64_t offset = 0;
            std::string text;
            std::int64_t next = 0;
            for (const Line& line : expected) {
                ASSERT_TRUE(file->ReadLine(offset, text, next)) << source << " round " << round << " offset " << offset;
                ASSERT_EQ(text, line.text) << source << " round " << round << " offset " << offset;
                ASSERT_EQ(next, line.next) << source;
                offset = next;
            }
            EXPECT_FALSE(file->ReadLine(offset, text, next)) << source;
            // Going back to any earlier line reads it the same way again.
            const Line& some = expected[expected.size() / 2];
            const std::int64_t start = expected[expected.size() / 2 - 1].next;
            ASSERT_TRUE(file->ReadLine(start, text, next)) << source;
            EXPECT_EQ(text, some.text) << source;
        }
    }
}

TEST(OverlayFile, EmptyTextInMemoryHasNoLines)
{
    OverlayFile empty;
    empty.OpenText("");
    std::string text;
    std::int64_t next = -1;
    EXPECT_FALSE(empty.ReadLine(0, text, next));
    EXPECT_EQ(next, 0);
}

TEST(OverlayFile, CarriageReturnAndLineFeedAcrossTheLimit)
{
    test::TempDir dir;
    const std::string full(8190, 'a');
    // 8190 characters and "\r\n": the carriage return is part of the line end.
    OverlayFile crlf;
    ASSERT_TRUE(crlf.Open(dir.Write("crlf", full + "\r\nz")));
    std::string text;
    std::int64_t next = 0;
    ASSERT_TRUE(crlf.ReadLine(0, text, next));
    EXPECT_EQ(text, full + "\n");
    EXPECT_EQ(next, 8192);
    // 8191 characters ending in a carriage return that no line feed follows.
    OverlayFile lone;
    ASSERT_TRUE(lone.Open(dir.Write("lone", full + "\rz\n")));
    ASSERT_TRUE(lone.ReadLine(0, text, next));
    EXPECT_EQ(text, full + "\r");
    ASSERT_TRUE(lone.ReadLine(next, text, next));
    EXPECT_EQ(text, "z\n");

    // Read from the start, the reader holds the file in 16 KiB blocks: here
    // the third line's carriage return is the last byte of the first block
    // and its line feed the first byte of the next.
    const std::string split = std::string(8000, 'a') + "\n" + std::string(191, 'b') + "\n" +
                              std::string(8190, 'c') + "\r\n" + "tail\n";
    OverlayFile blocks;
    ASSERT_TRUE(blocks.Open(dir.Write("blocks", split)));
    std::int64_t offset = 0;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(blocks.ReadLine(offset, text, next));
        offset = next;
    }
    EXPECT_EQ(text, std::string(8190, 'c') + "\n");
    EXPECT_EQ(next, 16385);
    ASSERT_TRUE(blocks.ReadLine(next, text, next));
    EXPECT_EQ(text, "tail\n");
}

}  // namespace
}  // namespace xtr
