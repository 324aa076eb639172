// Shared set-up of the clone file tests: an overlay with the file error
// texts, a scripted message service, a temporary folder, and helpers that
// build clone file text independently of the writer under test.
#pragma once

#include "app/text_util.h"
#include "image/clone_file.h"
#include "image/eeprom.h"
#include "support/overlay_guard.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace xtr::test {

inline constexpr char kCloneFileOverlay[] =
    "#GI_Sys_AppTitle\nRadio Cloner\n"
    "#GI_Mess_FileErr_Headline\nThe file could not be used.\nsecond line never shown\n"
    "#GI_Mess_FileErr_FileOpen\nopen failed\n"
    "#GI_Mess_FileErr_FileAccess\nwrite failed\n"
    "#GI_Mess_FileErr_Model\nwrong model\n"
    "#GI_Mess_FileErr_Extra\nwrong extra\n"
    "#GI_Mess_FileErr_MapRev\nwrong map revision\n"
    "#GI_Mess_FileErr_Format\nbad format\n"
    "#GI_Mess_FileErr_Coverage\nincomplete\n"
    "#GI_Mess_FileErr_Data\nbad data\n"
    "#GI_Mess_FileErr_Newer\ntoo new\n"
    "#End_Of_Ovl\n";

inline constexpr char kCloneHeader[] = "25270000\n#Comment=test\n#MapRev=2\n";

// An image of the system's size with reproducible pseudo-random bytes.
inline cmcEeprom RandomImage(unsigned seed)
{
    cmcEeprom image;
    image.SetSize(0x4000);
    std::mt19937 random(seed);
    for (int32_t a = 0; a < image.Size(); ++a) {
        image.SetByte(a, static_cast<uint8_t>(random()));
    }
    return image;
}

// One record line for count bytes of image from address on.
inline std::string RecordLine(const cmcEeprom& image, int32_t address, int32_t count)
{
    std::string line = Format("%04X%02X", static_cast<unsigned>(address), static_cast<unsigned>(count));
    for (int32_t i = 0; i < count; ++i) {
        line += Format("%02X", image.GetByte(address + i));
    }
    return line + "\n";
}

// Records of 16 bytes for from..to (to + 1 a multiple of 16).
inline std::string RecordLines(const cmcEeprom& image, int32_t from, int32_t to)
{
    std::string text;
    for (int32_t a = from; a <= to; a += 16) {
        text += RecordLine(image, a, 16);
    }
    return text;
}

class CloneFileTest : public ::testing::Test {
protected:
    CloneFileTest() : overlay_(OverlayGuard::FromText(kCloneFileOverlay)), source(RandomImage(1)), target(RandomImage(2))
    {
        reader.SetImage(&target);
        reader.SetModelCode(0x2527);
        reader.SetExtraCode(0);
        reader.SetMapRevisionCheck(AcceptKnownMapRevision, nullptr);
    }

    // Reads text as a clone file into target, once from memory and once from
    // a file: both must answer alike. A failed read must leave the target
    // exactly as it was and show one message.
    uint8_t ReadText(const std::string& text, std::optional<RangeList> ranges = RangeList(kCloneAreaRanges))
    {
        const cmcEeprom before = Copy(target);
        std::size_t shown = messages.asked.size();
        const uint8_t fromMemory = reader.ReadText(text, ranges);
        const cmcEeprom readFromMemory = Copy(target);
        if (fromMemory != kKclOk) {
            EXPECT_TRUE(target.Equals(before)) << "image changed by a failed read of:\n" << text.substr(0, 200);
            EXPECT_EQ(messages.asked.size(), shown + 1);
        }
        target.CopyFrom(before);
        shown = messages.asked.size();
        const uint8_t code = reader.Read(dir.Write("in.kcl", text), ranges);
        EXPECT_EQ(code, fromMemory) << "file and memory differ on:\n" << text.substr(0, 200);
        EXPECT_TRUE(target.Equals(readFromMemory)) << "file and memory load differently:\n" << text.substr(0, 200);
        if (code != kKclOk) {
            EXPECT_TRUE(target.Equals(before)) << "image changed by a failed read of:\n" << text.substr(0, 200);
            EXPECT_EQ(messages.asked.size(), shown + 1);
        }
        return code;
    }

    static cmcEeprom Copy(const cmcEeprom& image)
    {
        cmcEeprom copy;
        copy.CopyFrom(image);
        return copy;
    }

    std::string FullFile() const { return kCloneHeader + RecordLines(source, 0, 0x1FFF); }

    std::unique_ptr<OverlayGuard> overlay_;
    ScriptedMessages messages;
    TempDir dir;
    cmcEeprom source;
    cmcEeprom target;
    cmcKclFile reader;
};

}  // namespace xtr::test
