// Reading clone files: family line, map revision, records, coverage, the
// text-file variants that must be accepted, and the messages of failures.
#include "clone_file_fixture.h"

namespace xtr::test {
namespace {

bool SameCloneArea(const cmcEeprom& a, const cmcEeprom& b)
{
    for (int32_t addr = 0; addr <= 0x1FFF; ++addr) {
        if (a.GetByte(addr) != b.GetByte(addr)) {
            return false;
        }
    }
    return true;
}

TEST_F(CloneFileTest, RoundTripOfRandomImage)
{
    cmcKclFile writer;
    writer.SetImage(&source);
    writer.SetModelCode(0x2527);
    writer.SetMapRevision(kKclMapRevision);
    writer.SetComment("round trip");
    const std::string path = dir.File("trip.kcl");
    ASSERT_EQ(writer.Write(path, kCloneAreaRanges), kKclOk);

    const cmcEeprom before = Copy(target);
    EXPECT_EQ(reader.Read(path, RangeList(kCloneAreaRanges)), kKclOk);
    EXPECT_TRUE(SameCloneArea(target, source));
    // Beyond the clone area the target keeps its own bytes.
    EXPECT_EQ(target.GetByte(0x2000), before.GetByte(0x2000));
    EXPECT_EQ(target.GetByte(0x3FFF), before.GetByte(0x3FFF));
    EXPECT_EQ(reader.MapRevision(), 2);
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(CloneFileTest, FamilyLineFailsAtFirstBadPosition)
{
    const std::string rest = std::string("#MapRev=2\n") + RecordLines(source, 0, 0x1FFF);
    struct Case {
        std::string line;
        uint8_t code;
    };
    const Case cases[] = {
        {"25280000\n", kKclModel},
        {"25270001\n", kKclExtra},
        {"2527000A\n", kKclFormat},  // a letter is malformed before it is a mismatch
        {"2528000A\n", kKclModel},   // ...but an earlier mismatch decides first
        {"35270001\n", kKclModel},
        {"A5270000\n", kKclFormat},
        {"2527000\n", kKclFormat},
        {"2527000000\n", kKclFormat},
        {"25270000 \n", kKclFormat},
        {"\n", kKclFormat},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadText(c.line + rest), c.code) << c.line;
    }
    EXPECT_EQ(ReadText(""), kKclFormat);
    EXPECT_EQ(ReadText("25270000"), kKclFormat);
    // Nine characters without a line end: the ninth must be the line end.
    EXPECT_EQ(ReadText("252700001"), kKclExtra);
    EXPECT_EQ(ReadText("25270000\r\n" + rest), kKclOk);
}

TEST_F(CloneFileTest, MapRevisionInForceAtFirstRecordDecides)
{
    const std::string records = RecordLines(source, 0, 0x1FFF);
    EXPECT_EQ(ReadText("25270000\n#Comment=x\n" + records), kKclMapRev);
    EXPECT_EQ(ReadText("25270000\n#MapRev=3\n" + records), kKclMapRev);
    EXPECT_EQ(ReadText("25270000\n" + records.substr(0, 39) + "#MapRev=2\n" + records.substr(39)), kKclMapRev);
    EXPECT_EQ(ReadText("25270000\n#MapRev=4294967298\n" + records), kKclMapRev);
    // The number is read from the ninth character whatever precedes it.
    EXPECT_EQ(ReadText("25270000\n#x MapRev=2\n" + records), kKclMapRev);

    EXPECT_EQ(ReadText("25270000\n#MapRev=  2\n" + records), kKclOk);
    EXPECT_EQ(ReadText("25270000\n#MapRev=3\n#MapRev=2\n" + records), kKclOk);
    // Once the data has begun a later revision line changes nothing.
    EXPECT_EQ(ReadText("25270000\n#MapRev=2\n" + records.substr(0, 39) + "#MapRev=3\n" + records.substr(39)), kKclOk);
    EXPECT_EQ(reader.MapRevision(), 3);

    reader.SetMapRevisionCheck(nullptr, nullptr);
    EXPECT_EQ(ReadText(FullFile()), kKclMapRev);
}

TEST_F(CloneFileTest, MapRevisionCheckGetsItsContext)
{
    struct Seen {
        void* context = nullptr;
        int32_t revision = 0;
    } seen;
    reader.SetMapRevisionCheck(
        [](void* context, int32_t revision) {
            static_cast<Seen*>(context)->context = context;
            static_cast<Seen*>(context)->revision = revision;
            return 1;
        },
        &seen);
    EXPECT_EQ(ReadText("25270000\n#MapRev=7\n" + RecordLines(source, 0, 0x1FFF)), kKclOk);
    EXPECT_EQ(seen.context, &seen);
    EXPECT_EQ(seen.revision, 7);
}

TEST_F(CloneFileTest, MalformedRecordsAreRejected)
{
    const std::string before = kCloneHeader + RecordLines(source, 0, 0x0FFF);
    const std::string after = RecordLines(source, 0x1000, 0x1FFF);
    const std::string formatErrors[] = {
        "0000100",                              // shorter than address and count
        "000001AAB",                            // odd number of digits
        "000002AABBC",                          // odd number of digits
        "000002AA",                             // count 2, one byte
        "000001AABB",                           // count 1, two bytes
        "000001AG",                             // not hexadecimal
        "000001AA ",                            // trailing blank
        "",                                     // an empty line is a record too
        "0000FF" + std::string(512, 'A'),       // 518 characters
        "000000",                               // no bytes
    };
    for (const std::string& record : formatErrors) {
        EXPECT_EQ(ReadText(before + record + "\n" + after), kKclFormat) << record;
    }
    // The longest record that passes: 255 bytes.
    EXPECT_EQ(ReadText(before + "0000FF" + std::string(510, 'A') + "\n" + after), kKclOk);

    // Records reaching past the image end.
    EXPECT_EQ(ReadText(before + "3FF810" + std::string(32, '1') + "\n" + after), kKclData);
    EXPECT_EQ(ReadText(before + "FFFF01AA\n" + after), kKclData);
}

TEST_F(CloneFileTest, CoverageMustMatchTheRangeList)
{
    const std::string all = FullFile();
    EXPECT_EQ(ReadText(all + "200001AA\n"), kKclData);
    EXPECT_EQ(ReadText(kCloneHeader + RecordLines(source, 0, 0x1FEF)), kKclCoverage);
    EXPECT_EQ(ReadText(kCloneHeader + RecordLines(source, 0, 0x1FEF) + "1FF00F" + std::string(30, '0') + "\n"),
              kKclCoverage);
    // Data outside the list outweighs missing data.
    EXPECT_EQ(ReadText(kCloneHeader + RecordLines(source, 0, 0x1FEF) + "200001AA\n"), kKclData);

    // Without a list the caller asks afterwards.
    EXPECT_EQ(ReadText(kCloneHeader + RecordLines(source, 0, 0x1FEF), std::nullopt), kKclOk);
    EXPECT_EQ(reader.Coverage(RangeList(kCloneAreaRanges)), kKclCoverage);
    EXPECT_EQ(reader.Coverage(std::nullopt), kKclCoverage);
    const RangePair shorter[] = {{0x0000, 0x1FEF}, kRangeEnd};
    EXPECT_EQ(reader.Coverage(RangeList(shorter)), kKclOk);
    EXPECT_TRUE(reader.IsLoaded(0x1FEF));
    EXPECT_FALSE(reader.IsLoaded(0x1FF0));
}

TEST_F(CloneFileTest, TextFileVariantsAreAccepted)
{
    std::string crlf;
    for (char c : FullFile()) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    EXPECT_EQ(ReadText(crlf), kKclOk);
    EXPECT_TRUE(SameCloneArea(target, source));

    std::string noFinalLineEnd = FullFile();
    noFinalLineEnd.pop_back();
    target.Fill(0);
    EXPECT_EQ(ReadText(noFinalLineEnd), kKclOk);
    EXPECT_EQ(target.GetByte(0x1FFF), source.GetByte(0x1FFF));

    const std::string records = RecordLines(source, 0, 0x1FFF);
    const std::string withComments =
        kCloneHeader + records.substr(0, 390) + "#a remark\n#\n" + records.substr(390) + "#trailing remark";
    EXPECT_EQ(ReadText(withComments), kKclOk);

    // Lower-case digits, and a later record overwriting an earlier one.
    target.Fill(0);
    EXPECT_EQ(ReadText(FullFile() + "000002abcd\n"), kKclOk);
    EXPECT_EQ(target.GetByte(0), 0xAB);
    EXPECT_EQ(target.GetByte(1), 0xCD);
    EXPECT_EQ(target.GetByte(2), source.GetByte(2));
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(CloneFileTest, MissingFileIsAnOpenError)
{
    const cmcEeprom before = Copy(target);
    EXPECT_EQ(reader.Read(dir.File("absent.kcl"), RangeList(kCloneAreaRanges)), kKclFileOpen);
    EXPECT_TRUE(target.Equals(before));
}

TEST_F(CloneFileTest, ErrorMessageIsHeadlineAndCodeText)
{
    EXPECT_EQ(reader.ReadText("25280000\n"), kKclModel);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].caption, "Radio Cloner");
    EXPECT_EQ(messages.asked[0].text, "The file could not be used.\n\nwrong model");
    EXPECT_EQ(messages.asked[0].icon, MsgIcon::Warning);
    EXPECT_EQ(messages.asked[0].buttons, MsgButtons::Ok);

    cmcKclFile::ShowError(kKclNewer);
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[1].text, "The file could not be used.\n\ntoo new");
    cmcKclFile::ShowError(kKclOk);
    cmcKclFile::ShowError(10);
    EXPECT_EQ(messages.asked.size(), 2u);
}

}  // namespace
}  // namespace xtr::test
