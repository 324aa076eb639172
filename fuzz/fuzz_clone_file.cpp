// Feeds arbitrary bytes to the clone file reader as a file's text, with and without
// the clone-area range list. Whatever the bytes, the reader must not crash,
// must answer a known code, must leave the image exactly as it was when it
// fails, and on a complete read must not touch anything outside the clone area.
#include "app/globals.h"
#include "app/message_service.h"
#include "image/clone_file.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr char kOverlay[] =
    "#GI_Sys_AppTitle\nfuzz\n#GI_Mess_FileErr_Headline\nfile error\n"
    "#GI_Mess_FileErr_FileOpen\n1\n#GI_Mess_FileErr_FileAccess\n2\n#GI_Mess_FileErr_Model\n3\n"
    "#GI_Mess_FileErr_Extra\n4\n#GI_Mess_FileErr_MapRev\n5\n#GI_Mess_FileErr_Format\n6\n"
    "#GI_Mess_FileErr_Coverage\n7\n#GI_Mess_FileErr_Data\n8\n#GI_Mess_FileErr_Newer\n9\n#End_Of_Ovl\n";

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
        original.SetSize(0x4000);
        for (int32_t a = 0; a < original.Size(); ++a) {
            original.SetByte(a, static_cast<uint8_t>(a * 7 + 3));
        }
        image.SetSize(original.Size());
        for (xtr::cmcKclFile& file : files) {
            file.SetImage(&image);
            file.SetModelCode(0x2527);
            file.SetExtraCode(0);
            file.SetMapRevisionCheck(xtr::AcceptKnownMapRevision, nullptr);
        }
    }
    ~Setup()
    {
        xtr::SetMessageService(nullptr);
        xtr::SetGTex(nullptr);
    }

    xtr::cmcGTex gtex;
    SilentMessages messages;
    xtr::cmcEeprom original;
    xtr::cmcEeprom image;
    // One reader without and one with the range list, used again for every
    // input; each read starts afresh.
    xtr::cmcKclFile files[2];
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static Setup setup;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    xtr::cmcEeprom& image = setup.image;

    for (const bool withRanges : {false, true}) {
        image.CopyFrom(setup.original);
        xtr::cmcKclFile& file = setup.files[withRanges ? 1 : 0];
        file.SetMapRevision(-1);
        const auto ranges = withRanges ? std::optional<xtr::RangeList>(xtr::kCloneAreaRanges) : std::nullopt;
        const uint8_t code = file.ReadText(text, ranges);
        if (code > xtr::kKclData || code == xtr::kKclFileAccess) {
            std::abort();
        }
        if (code != xtr::kKclOk && image.Differs(setup.original)) {
            std::abort();
        }
        if (code == xtr::kKclOk && withRanges) {
            for (int32_t a = 0x2000; a < image.Size(); ++a) {
                if (image.GetByte(a) != setup.original.GetByte(a)) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}
