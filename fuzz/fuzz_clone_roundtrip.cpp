// Writes an image made of the input's bytes as a clone file's text and reads
// the text back into an image holding other bytes. Whatever the bytes, the
// range and the line end, the read must succeed, the written range must read
// back exactly, and nothing outside it may change.
#include "app/globals.h"
#include "app/message_service.h"
#include "image/clone_file.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kOverlay[] =
    "#GI_Sys_AppTitle\nfuzz\n#GI_Mess_FileErr_Headline\nfile error\n"
    "#GI_Mess_FileErr_FileOpen\n1\n#GI_Mess_FileErr_FileAccess\n2\n#GI_Mess_FileErr_Model\n3\n"
    "#GI_Mess_FileErr_Extra\n4\n#GI_Mess_FileErr_MapRev\n5\n#GI_Mess_FileErr_Format\n6\n"
    "#GI_Mess_FileErr_Coverage\n7\n#GI_Mess_FileErr_Data\n8\n#GI_Mess_FileErr_Newer\n9\n#End_Of_Ovl\n";

constexpr int32_t kImageSize = 0x4000;
constexpr int32_t kCloneAreaEnd = 0x1FFF;
// Longest part of the clone area written: up to 17 records, anywhere in the
// area, so that runs stay short. (The tests write the whole area.)
constexpr int32_t kMaxPart = 0x100;

class SilentMessages : public xtr::MessageService {
public:
    xtr::MsgResult Show(const std::string&, const std::string&, xtr::MsgIcon, xtr::MsgButtons) override
    {
        return xtr::MsgResult::Ok;
    }
};

struct Setup {
    Setup()
    {
        gtex.NameText(kOverlay);
        xtr::SetGTex(&gtex);
        xtr::SetMessageService(&messages);
        // Every byte of the image to read into differs from the image written.
        background.SetSize(kImageSize);
        inverse.SetSize(kImageSize);
        for (int32_t a = 0; a < kImageSize; ++a) {
            background.SetByte(a, static_cast<uint8_t>(a * 13 + 5));
            inverse.SetByte(a, static_cast<uint8_t>(~background.GetByte(a)));
        }
        source.SetSize(kImageSize);
        target.SetSize(kImageSize);
        writer.SetImage(&source);
        writer.SetModelCode(0x2527);
        writer.SetExtraCode(0);
        writer.SetMapRevision(xtr::kKclMapRevision);
        reader.SetImage(&target);
        reader.SetModelCode(0x2527);
        reader.SetExtraCode(0);
        reader.SetMapRevisionCheck(xtr::AcceptKnownMapRevision, nullptr);
    }
    ~Setup()
    {
        xtr::SetMessageService(nullptr);
        xtr::SetGTex(nullptr);
    }

    xtr::cmcGTex gtex;
    SilentMessages messages;
    xtr::cmcEeprom background;
    xtr::cmcEeprom inverse;
    xtr::cmcEeprom source;
    xtr::cmcEeprom target;
    std::vector<uint8_t> part;
    // Used again for every input, as a program writing and reading many
    // files could; each read starts afresh.
    xtr::cmcKclFile writer;
    xtr::cmcKclFile reader;
};

void Require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static Setup setup;
    if (size < 5) {
        return 0;
    }
    // Byte 0: the line end; bytes 1 to 4: where the part written starts and
    // how long it is; the rest: the part's bytes, over and over.
    const bool crlf = (data[0] & 1) != 0;
    const int32_t from = ((data[1] << 8) | data[2]) & kCloneAreaEnd;
    const int32_t to = from + ((data[3] << 8) | data[4]) % std::min(kCloneAreaEnd - from + 1, kMaxPart);
    const uint8_t* bytes = data + 5;
    const std::size_t count = size - 5;
    const int32_t length = to - from + 1;
    setup.part.resize(static_cast<std::size_t>(length));
    for (int32_t i = 0; i < length; ++i) {
        setup.part[static_cast<std::size_t>(i)] = count == 0 ? 0 : bytes[static_cast<std::size_t>(i) % count];
    }
    setup.source.CopyFrom(setup.background);
    setup.source.WriteBlock(from, setup.part.data(), length);
    setup.target.CopyFrom(setup.inverse);
    const xtr::RangePair ranges[] = {{from, to}, xtr::kRangeEnd};

    xtr::cmcKclFile& writer = setup.writer;
    writer.SetComment(xtr::CloneFileComment(setup.source));
    writer.SetLineEnd(crlf ? "\r\n" : "\n");
    const std::string text = writer.WriteText(ranges);

    xtr::cmcKclFile& reader = setup.reader;
    reader.SetMapRevision(-1);
    // Coverage for the same range list succeeds only when exactly the
    // range was loaded.
    Require(reader.ReadText(text, xtr::RangeList(ranges)) == xtr::kKclOk);
    Require(reader.MapRevision() == xtr::kKclMapRevision);
    const uint8_t* read = setup.target.Data();
    const uint8_t* inverse = setup.inverse.Data();
    Require(std::memcmp(read + from, setup.part.data(), static_cast<std::size_t>(length)) == 0);
    Require(std::memcmp(read, inverse, static_cast<std::size_t>(from)) == 0);
    Require(std::memcmp(read + to + 1, inverse + to + 1, static_cast<std::size_t>(kImageSize - to - 1)) == 0);
    return 0;
}
