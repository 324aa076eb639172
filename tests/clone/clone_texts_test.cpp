// What the user reads about a transfer: the error message chosen for each
// result code and what the clone information shows of the radio's identity.
#include "clone/clone_error_message.h"
#include "clone/clone_info.h"

#include "support/overlay_guard.h"

#include <gtest/gtest.h>

#include <cstring>

namespace xtr::test {
namespace {

std::unique_ptr<OverlayGuard> NumberedOverlay()
{
    std::string text = "#GI_Mess_CloneErr_Head\n";
    for (int code = 0; code <= 17; ++code) {
        text += code == 2 ? "H2 port %d at 100%%\n" : "H" + std::to_string(code) + "\n";
    }
    text += "#GI_Mess_CloneErr_Check\nC0\nC1\nC2\nC3\nC4\nC5\n"
            "#GI_Mess_CloneInfo_Opt_Qd301\nUnit 301\n#GI_Mess_CloneInfo_Opt_Qd302\nUnit 302\n"
            "#GI_Mess_CloneInfo_OverVolt\nOver voltage\n#End_Of_Ovl\n";
    return OverlayGuard::FromText(text);
}

TEST(CloneErrorText, HintsFollowTheResultCode)
{
    auto overlay = NumberedOverlay();
    EXPECT_EQ(CloneErrorText(2, 3), "H2 port 3 at 100%\n\nC0\nC1\nC2\nC3");
    EXPECT_EQ(CloneErrorText(10, 1), "H10\n\nC0\nC2\nC3");
    EXPECT_EQ(CloneErrorText(11, 1), "H11\n\nC0\nC1\nC2\nC3\nC4\nC5");
    EXPECT_EQ(CloneErrorText(14, 1), "H14\n\nC0\nC4\nC5");
    EXPECT_EQ(CloneErrorText(16, 1), "H16\n\n");
    for (uint8_t code : {5, 6, 7, 8, 9, 15}) {
        EXPECT_EQ(CloneErrorText(code, 9), "H" + std::to_string(code) + "\n\nC0\nC1\nC2\nC3");
    }
}

TEST(CloneErrorText, PortLineFillsOnlyItsNumber)
{
    EXPECT_EQ(FillPortNumber("COM%d", 12), "COM12");
    EXPECT_EQ(FillPortNumber("COM%02d busy", 3), "COM03 busy");
    // Anything but one number conversion stays as written: nothing is read
    // that was not passed.
    EXPECT_EQ(FillPortNumber("%s on COM%d (%d)", 4), "%s on COM4 (%d)");
    EXPECT_EQ(FillPortNumber("100%% %n %", 4), "100% %n %");
    EXPECT_EQ(FillPortNumber("no number", 4), "no number");
    EXPECT_EQ(FillPortNumber("%99999999999d", 4), "%99999999999d");
}

// A port given as a device path is named by that path, never as the
// numbered port the settings happen to hold.
TEST(CloneErrorText, PortLineNamesThePortAsGiven)
{
    EXPECT_EQ(FillPortName("The serial port COM%d cannot be opened.", 1, "/dev/ttyUSB0"),
              "The serial port /dev/ttyUSB0 cannot be opened.");
    EXPECT_EQ(FillPortName("Port %d is busy", 1, "/dev/pts/7"), "Port /dev/pts/7 is busy");
    EXPECT_EQ(FillPortName("COM%d busy", 4, ""), "COM4 busy");
    EXPECT_EQ(FillPortName("no number", 4, "/dev/x"), "no number");

    auto overlay = NumberedOverlay();
    EXPECT_EQ(CloneErrorText(2, 1, "/dev/ttyS3"), "H2 port /dev/ttyS3 at 100%\n\nC0\nC1\nC2\nC3");
    EXPECT_EQ(CloneErrorText(2, 5, ""), "H2 port 5 at 100%\n\nC0\nC1\nC2\nC3");
}

CloneIdentityBlock Block()
{
    CloneIdentityBlock block;
    block.valid = true;
    std::memcpy(&block.bytes[2], "FLEET 7\x01\x7F       ", 16);
    std::memcpy(&block.bytes[18], "  LEFT PAD      ", 16);
    block.bytes[34] = 0x12;
    block.bytes[35] = 2;
    std::memcpy(&block.bytes[37], "1A2B3C4D", 8);
    return block;
}

TEST(CloneInfo, ShowsTheIdentityBlock)
{
    auto overlay = NumberedOverlay();
    CloneIdentityBlock block = Block();
    EXPECT_EQ(CloneInfoRevision(block), "1.2");
    block.bytes[34] = 0x09;
    EXPECT_EQ(CloneInfoRevision(block), "0.9");
    EXPECT_EQ(CloneInfoComment(block, 0), "FLEET 7");
    EXPECT_EQ(CloneInfoComment(block, 1), "  LEFT PAD");
    EXPECT_EQ(CloneInfoComment(block, 5), "  LEFT PAD");
    EXPECT_EQ(CloneInfoEsn(block), "026/02/736333");
    std::memcpy(&block.bytes[37], "ffffffff", 8);
    EXPECT_EQ(CloneInfoEsn(block), "255/15/1048575");
    block.bytes[44] = 'G';
    EXPECT_EQ(CloneInfoEsn(block), "---/--/------");
    block.bytes[44] = 0;
    EXPECT_EQ(CloneInfoEsn(block), "---/--/------");
}

TEST(CloneInfo, OptionUnitAndOverVoltage)
{
    auto overlay = NumberedOverlay();
    CloneIdentityBlock block = Block();
    block.bytes[46] = 0x30;
    EXPECT_EQ(CloneInfoOption(block), "Unit 302\n");
    block.bytes[46] = 0x20;
    EXPECT_EQ(CloneInfoOption(block), "Unit 301\n");
    block.bytes[46] = 0x10;
    EXPECT_EQ(CloneInfoOption(block), "");
    EXPECT_EQ(CloneInfoOverVolt(block), "");
    block.bytes[48] = 0x08;
    EXPECT_EQ(CloneInfoOverVolt(block), "Over voltage");
    block.bytes[48] = 0xF7;
    EXPECT_EQ(CloneInfoOverVolt(block), "");
}

}  // namespace
}  // namespace xtr::test
