// Writing clone files: layout of the records, the header lines, and that a
// failed save never costs the user the file that was there before.
#include "clone_file_fixture.h"
#include "platform/text_line_end.h"

#include <algorithm>
#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace xtr::test {
namespace {

// Lets through only so many bytes, then fails like a full disk.
std::size_t g_writeBudget = 0;

std::size_t WriteWithBudget(const void* data, std::size_t size, std::FILE* file)
{
    const std::size_t n = std::min(size, g_writeBudget);
    g_writeBudget -= n;
    return std::fwrite(data, 1, n, file);
}

std::vector<std::string> FilesIn(const std::filesystem::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class CloneFileWriteTest : public CloneFileTest {
protected:
    CloneFileWriteTest()
    {
        writer.SetImage(&source);
        writer.SetModelCode(0x2527);
        // The layout tests compare with LF text; the system's own line end
        // has a test of its own.
        writer.SetLineEnd("\n");
    }

    std::string WriteAndLoad(RangeList ranges)
    {
        const std::string path = dir.File("out.kcl");
        EXPECT_EQ(writer.Write(path, ranges), kKclOk);
        return ReadWholeFile(path);
    }

    cmcKclFile writer;
};

TEST_F(CloneFileWriteTest, CloneAreaIs512RecordsOf16Bytes)
{
    writer.SetComment("hello");
    writer.SetMapRevision(kKclMapRevision);
    const std::string text = WriteAndLoad(kCloneAreaRanges);
    EXPECT_EQ(text, "25270000\n#Comment=hello\n#MapRev=2\n" + RecordLines(source, 0, 0x1FFF));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 512);
    EXPECT_EQ(text.substr(34, 6), "000010");
    EXPECT_EQ(text.substr(text.size() - 39, 6), "1FF010");
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(CloneFileWriteTest, RecordsStopAtBlockBoundariesAndRangeEnds)
{
    const RangePair partial[] = {{0x0005, 0x0012}, kRangeEnd};
    EXPECT_EQ(WriteAndLoad(partial),
              "25270000\n#Comment=\n#MapRev=-1\n" + RecordLine(source, 0x05, 11) + RecordLine(source, 0x10, 3));

    // A pair reaching outside the image ends the list, as does the end pair.
    const RangePair outside[] = {{0x10, 0x10}, {0x3FFF, 0x4000}, {0x20, 0x20}, kRangeEnd};
    EXPECT_EQ(WriteAndLoad(outside), "25270000\n#Comment=\n#MapRev=-1\n" + RecordLine(source, 0x10, 1));
    const RangePair firstOutside[] = {{-1, 0x10}, {0x20, 0x20}, kRangeEnd};
    EXPECT_EQ(WriteAndLoad(firstOutside), "25270000\n#Comment=\n#MapRev=-1\n");
    const RangePair ended[] = {{0x20, 0x2F}, {5, 4}, {0x30, 0x3F}};
    EXPECT_EQ(WriteAndLoad(ended), "25270000\n#Comment=\n#MapRev=-1\n" + RecordLine(source, 0x20, 16));
}

TEST_F(CloneFileWriteTest, LinesEndAsTheSystemsTextFilesDoAndReadBack)
{
    EXPECT_EQ(cmcKclFile().LineEnd(), NativeTextLineEnd());
    writer.SetMapRevision(kKclMapRevision);
    writer.SetComment("crlf");
    const std::string lf = WriteAndLoad(kCloneAreaRanges);
    EXPECT_EQ(writer.WriteText(kCloneAreaRanges), lf);

    writer.SetLineEnd("\r\n");
    const std::string crlf = WriteAndLoad(kCloneAreaRanges);
    std::string expected;
    for (char c : lf) {
        expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    EXPECT_EQ(crlf, expected);
    EXPECT_EQ(writer.WriteText(kCloneAreaRanges), crlf);
    EXPECT_EQ(reader.Read(dir.File("out.kcl"), RangeList(kCloneAreaRanges)), kKclOk);
    for (int32_t a = 0; a <= 0x1FFF; ++a) {
        ASSERT_EQ(target.GetByte(a), source.GetByte(a)) << a;
    }
    EXPECT_EQ(reader.MapRevision(), kKclMapRevision);
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(CloneFileWriteTest, CommentStaysOneLine)
{
    writer.SetComment("two\nlines\r");
    writer.SetModelCode(0x1234);
    writer.SetExtraCode(0x56);
    const RangePair none[] = {kRangeEnd};
    EXPECT_EQ(WriteAndLoad(none), "12340056\n#Comment=two lines \n#MapRev=-1\n");
}

TEST_F(CloneFileWriteTest, FailedWriteKeepsTheOldFileIntact)
{
    const std::string old = "25270000\n#Comment=the old one\n#MapRev=2\n" + RecordLines(target, 0, 0x1FFF);
    const std::string path = dir.Write("keep.kcl", old);
    writer.SetWriteFunction(WriteWithBudget);
    // Fails in the family line, in the header, and halfway through the records.
    for (const std::size_t budget : {std::size_t{0}, std::size_t{12}, std::size_t{10000}}) {
        g_writeBudget = budget;
        EXPECT_EQ(writer.Write(path, kCloneAreaRanges), kKclFileAccess) << budget;
        EXPECT_EQ(ReadWholeFile(path), old) << budget;
        EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"keep.kcl"}) << budget;
    }
    ASSERT_EQ(messages.asked.size(), 3u);
    EXPECT_EQ(messages.asked[0].text, "The file could not be used.\n\nwrite failed");

    // A failed first save leaves no file at all.
    g_writeBudget = 100;
    EXPECT_EQ(writer.Write(dir.File("new.kcl"), kCloneAreaRanges), kKclFileAccess);
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"keep.kcl"});

    // With the bytes flowing again the file is replaced, its permissions kept
    // (Windows has no permission bits beyond read-only).
    namespace fs = std::filesystem;
#ifndef _WIN32
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
#endif
    writer.SetWriteFunction(nullptr);
    EXPECT_EQ(writer.Write(path, kCloneAreaRanges), kKclOk);
    EXPECT_EQ(ReadWholeFile(path), "25270000\n#Comment=\n#MapRev=-1\n" + RecordLines(source, 0, 0x1FFF));
#ifndef _WIN32
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, mode);
#endif
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"keep.kcl"});
}

#ifndef _WIN32
// Symbolic links on Windows need a privilege ordinary users lack.
TEST_F(CloneFileWriteTest, SaveThroughLinkUpdatesTheLinkedFile)
{
    const std::string real = dir.Write("real.kcl", "old");
    const std::string link = dir.File("link.kcl");
    std::filesystem::create_symlink(real, link);
    EXPECT_EQ(writer.Write(link, kCloneAreaRanges), kKclOk);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(real), "25270000\n#Comment=\n#MapRev=-1\n" + RecordLines(source, 0, 0x1FFF));
    EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"link.kcl", "real.kcl"}));
}
#endif

#ifndef _WIN32
// The new file takes the old one's place with the old one's permission
// bits, whatever the process's file-creation mask, and with its group where
// the system lets this process give it (always for the superuser).
TEST_F(CloneFileWriteTest, ReplacedFileKeepsItsPermissionsAndGroup)
{
    namespace fs = std::filesystem;
    const std::string path = dir.Write("shared.kcl", "old");
    const mode_t mask = ::umask(077);
    for (const fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write,
                                 fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                     fs::perms::group_write | fs::perms::others_read,
                                 fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read}) {
        fs::permissions(path, mode);
        EXPECT_EQ(writer.Write(path, kCloneAreaRanges), kKclOk);
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, mode);
    }
    ::umask(mask);
    if (::geteuid() == 0) {
        const gid_t other = ::getegid() == 1 ? 2 : 1;
        ASSERT_EQ(::chown(path.c_str(), static_cast<uid_t>(-1), other), 0);
        EXPECT_EQ(writer.Write(path, kCloneAreaRanges), kKclOk);
        struct stat after {};
        ASSERT_EQ(::stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_gid, other);
    }
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"shared.kcl"});
}
#endif

TEST_F(CloneFileWriteTest, UnopenableTargetIsAnOpenError)
{
    dir.Write("other.kcl", "x");
    EXPECT_EQ(writer.Write(dir.File("no-such-folder/out.kcl"), kCloneAreaRanges), kKclFileOpen);
    EXPECT_EQ(writer.Write(dir.Path().string(), kCloneAreaRanges), kKclFileOpen);
    EXPECT_EQ(writer.Write("", kCloneAreaRanges), kKclFileOpen);
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"other.kcl"});
    ASSERT_EQ(messages.asked.size(), 3u);
    EXPECT_EQ(messages.asked[0].text, "The file could not be used.\n\nopen failed");
}

TEST(CloneFileHelpers, SaveCommentFromTheImage)
{
    cmcEeprom image;
    image.SetSize(0x4000);
    const auto put = [&image](int32_t at, const std::string& bytes) {
        image.WriteBlock(at, reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<int32_t>(bytes.size()));
    };
    EXPECT_EQ(CloneFileComment(image), "");

    put(0x188, "Hello  World\x01\x7F  ");
    put(0x198, "Ra\x80io 1 \x1F");
    EXPECT_EQ(CloneFileComment(image), "Hello  WorldRa io 1");

    put(0x188, std::string(16, ' '));
    EXPECT_EQ(CloneFileComment(image), "Ra io 1");
    put(0x198, std::string("\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16));
    put(0x188, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(CloneFileComment(image), "ABCDEFGHIJKLMNOP");
    // Bytes outside the two comments do not belong to it.
    put(0x187, "<");
    put(0x1A8, ">");
    EXPECT_EQ(CloneFileComment(image), "ABCDEFGHIJKLMNOP");
}

TEST(CloneFileHelpers, OnlyTheKnownMapRevisionIsAccepted)
{
    EXPECT_NE(AcceptKnownMapRevision(nullptr, 2), 0);
    for (const int32_t revision : {-1, 0, 1, 3, 0x10002}) {
        EXPECT_EQ(AcceptKnownMapRevision(nullptr, revision), 0) << revision;
    }
}

}  // namespace
}  // namespace xtr::test
