// The sheets the command line prints: they carry the check markers and read
// the file's image, and while they may be drawn the display texts come from
// the program's segment font and the image's own characters; afterwards the
// desktop's source is back.
#include "grid_widget_fixture.h"

#include "image/memory_map.h"
#include "ui/image_print_sheets.h"
#include "ui/model/sheet.h"

namespace xtr::test {
namespace {

using ImagePrintSheetsTest = GridWidgetTest;

TEST_F(ImagePrintSheetsTest, SheetsCarryTheMarkersAndTheImagesCharacters)
{
    SegmentSource* desktop = TheSegmentSource();
    cmcEeprom image;
    image.SetSize(0x4000);
    image.SetByte(memmap::kUserCharMasks, 0x12);
    image.SetByte(memmap::kUserCharMasks + 31, 0x34);
    {
        ui::ImagePrintSheets sheets(GTex(), image, App().SegmentFont());
        SegmentSource* source = TheSegmentSource();
        ASSERT_NE(source, nullptr);
        ASSERT_NE(source, desktop);
        EXPECT_EQ(source->Font(), &App().SegmentFont());
        const SegUserMasks masks = source->UserMasks();
        ASSERT_EQ(masks.size(), 32u);
        EXPECT_EQ(masks[0], 0x12);
        EXPECT_EQ(masks[31], 0x34);

        auto sheet = sheets.Factory()(kConvChannels);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->Markers(), sheets.Markers());
        EXPECT_GT(sheets.Markers()->Width(), 0);
        EXPECT_EQ(sheet->Reference(), kConvChannels);
    }
    EXPECT_EQ(TheSegmentSource(), desktop);
}

}  // namespace
}  // namespace xtr::test
