// The factory image as the reference image: preparation and Clear take
// rows from it, so it must bring no entry into an image, and preparation
// must keep a channel's own settings.
#include "factory_image_fixture.h"

#include "cells/categories.h"
#include "cells/cell_names.h"
#include "cells/lists/ch_commands.h"
#include "cells/lists/ch_record.h"
#include "cells/cell_text_edit.h"
#include "cells/lists/list_geometry.h"
#include "cells/prepare/prepare_image.h"

namespace xtr::test {
namespace {

constexpr std::int32_t kFirstConventional = 0x0117;

class FactoryReference : public FactoryImage {
protected:
    datCh Row(int slot, std::int32_t k)
    {
        datCh row(host.CurrentImage());
        row.Load(slot, k);
        return row;
    }

    // Runs a pop-up command on rows first..last of a list, through the
    // cell (id, category) of row first, as the grid does.
    void Popup(std::int32_t command, std::int32_t id, std::uint32_t category, std::int32_t first, std::int32_t last)
    {
        cmcCellObj cell;
        cell.category = category;
        cell.cellId = id;
        cell.index = first;
        int grid = 0;
        cmcCellCapsule rq;
        rq.cell = &cell;
        rq.grid = &grid;
        rq.popupCommand = command;
        PutRowSelection(rq, first, last);
        indActiveCell(host).Dispatch(rq, false);
    }
};

TEST_F(FactoryReference, PreparingAnImageWithoutConventionalChannelsLeavesThemUnused)
{
    for (int variant : {kVariantMpt, kVariantCps}) {
        SCOPED_TRACE(variant);
        LoadDemo(variant);
        const ListGeometry& conv = GeometryOf(listslot::kConv);
        ASSERT_TRUE(Row(listslot::kConv, 0).InUse());
        // A radio without conventional channels, as read or opened.
        for (std::int32_t k = conv.firstRow; k <= conv.lastRow; ++k) {
            At(conv.AddressOf(k) + 12) |= 0x80;
        }
        PrepareImage(host.CurrentImage(), host.ReferenceImage(), variant);
        for (std::int32_t k = conv.firstRow; k <= conv.lastRow; ++k) {
            EXPECT_FALSE(Row(listslot::kConv, k).InUse()) << "channel " << k;
        }
        EXPECT_EQ(At(kFirstConventional), 0xFF);
    }
}

// A channel in use keeps what it holds through preparation: its power
// "Low", the top bits of its frequencies; the spare bit 5 of byte 12 and
// the bytes no field uses are the reference's.
TEST_F(FactoryReference, PreparationKeepsAChannelsOwnSettings)
{
    LoadDemo(kVariantMpt);
    const std::int32_t row = GeometryOf(listslot::kConv).AddressOf(0);
    At(row + 12) = 0x02;         // in use, power Low
    At(row) |= 0x80;             // top bit of the receive frequency
    At(row + 15) = 0x5A;
    host.ReferenceImage().SetByte(row + 12, 0x80 | 0x7F);  // a reference with every bit up
    host.ReferenceImage().SetByte(row + 4, 0x00);
    PrepareImage(host.CurrentImage(), host.ReferenceImage(), kVariantMpt);
    EXPECT_EQ(At(row + 12), 0x22) << "in use, power Low, the spare bit as the reference holds it";
    EXPECT_EQ(At(row) & 0x80, 0x80);
    EXPECT_EQ(At(row + 15), host.ReferenceImage().GetByte(row + 15));
    EXPECT_EQ(Row(listslot::kConv, 0).rfPower, 2);
}

// The row's bits 3 read as power 2: choosing 2 must still store 2, while a
// change of another field of the row leaves the bits as they are.
TEST_F(FactoryReference, ChoosingAPowerStoresItWhereTheBitsReadTheSame)
{
    LoadDemo(kVariantMpt);
    const std::int32_t row = GeometryOf(listslot::kConv).AddressOf(0);
    At(row + 12) = 0x03;
    cmcCellObj narrow;
    narrow.category = CT_Conv;
    narrow.cellId = CL_PersConv_Nar;
    EXPECT_TRUE(EditCell(host, narrow, "#1").accepted);
    EXPECT_EQ(At(row + 13) & 0x80, 0x80);
    EXPECT_EQ(At(row + 12), 0x03) << "nobody chose a power";

    cmcCellObj power;
    power.category = CT_Conv;
    power.cellId = CL_PersConv_RfPower;
    const CellEdit edit = EditCell(host, power, "#2");
    EXPECT_TRUE(edit.accepted) << edit.reason;
    EXPECT_EQ(At(row + 12), 0x02);
}

struct ClearableList {
    int slot;
    std::int32_t cellId;
    std::uint32_t category;
    // For a packed list: whether the row holds no entry (its count alone
    // does not tell, Clear leaves the count as it is).
    bool (*empty)(const datCh& row);
};

bool NoFiveDigit(const datCh& r) { return r.fiveDigit[0] == 0 && r.fiveDigit[1] == 0 && r.fiveDigit[2] == 0; }
// Byte 0 of every group row is the own prefix in the Mpt numbering.
bool NoGroup(const datCh& r) { return r.groupNumber[1] == 0 && r.groupNumber[2] == 0 && r.groupNumber[3] == 0; }
bool NoAad(const datCh& r) { return r.aadType == 0 && r.value == 0; }
bool NoHunt(const datCh& r) { return r.huntChannel == 0; }
bool NoNdd(const datCh& r) { return r.nddLength == 0 && r.value == 0; }

TEST_F(FactoryReference, ClearOnAnyRowOfAnyListGivesARowNotInUse)
{
    const ClearableList lists[] = {
        {listslot::kConv, CL_PersConv_FreqRx, CT_Conv, nullptr},
        {listslot::kBlockFreq, CL_NetBlock_FreqCH, CT_BlockFreq, nullptr},
        {listslot::kDirMemory, CL_DirM_Text, CT_DirM, nullptr},
        {listslot::kGroups, CL_CallGroup_Number, CT_Groups, NoGroup},
        {listslot::kFiveDigit, CL_Pers5digit_chars, CT_5Digit, NoFiveDigit},
        {listslot::kAad, CL_Aad_Type, CT_Aad, NoAad},
        {listslot::kHuntCh, CL_HuntNCh, CT_HuntCh, NoHunt},
        {listslot::kPrefNdd, CL_Ndd_Length, CT_PrefNdd, NoNdd},
    };
    for (int variant : {kVariantMpt, kVariantCps}) {
        for (const ClearableList& list : lists) {
            SCOPED_TRACE(testing::Message() << "variant " << variant << " slot " << list.slot);
            LoadDemo(variant);
            const ListGeometry& g = GeometryOf(list.slot);
            // Something in every row first, so that Clear has work to do.
            for (std::int32_t a = g.AddressOf(g.firstRow); a < g.AddressOf(g.lastRow) + g.rowSize; ++a) {
                At(a) = 0x11;
            }
            Popup(CL_PMenu_Clear, list.cellId, list.category, g.firstRow, g.lastRow);
            for (std::int32_t k = g.firstRow; k <= g.lastRow; ++k) {
                const datCh row = Row(list.slot, k);
                if (list.slot == listslot::kDirMemory) {
                    EXPECT_EQ(At(g.AddressOf(k) + 10) >> 4, 0xF) << "entry " << k;
                } else if (list.empty != nullptr) {
                    EXPECT_TRUE(list.empty(row)) << "row " << k;
                } else {
                    EXPECT_FALSE(row.InUse()) << "row " << k;
                }
            }
        }
    }
}

}  // namespace
}  // namespace xtr::test
