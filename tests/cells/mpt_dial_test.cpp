// Dial strings of the directory memories and the addresses derived from
// them when the image is prepared.
#include "cells/numbering/mpt_dial.h"
#include "cells/numbering/mpt_layout.h"
#include "image/eeprom.h"

#include <gtest/gtest.h>

namespace xtr {
namespace {

constexpr MptNumbering kMpt{MptScheme::Mpt, true};
constexpr MptNumbering kCps{MptScheme::Cps, true};

cmcEeprom Image()
{
    cmcEeprom image;
    image.SetSize(0x4000);
    image.SetByte(mptmap::kOwnPrefix, 5);
    // Mpt: individuals 1000..1699, groups 3000..3098.
    SetImageWord(image, mptmap::kFleetIndividual, 1000);
    SetImageWord(image, mptmap::kFleetGroup, 3000);
    SetImageWord(image, mptmap::kLastIndividual, 899);
    SetImageWord(image, mptmap::kLastGroup, 998);
    // Cps: bands 2, 4, 7; default fleets 22 and 21.
    image.SetByte(mptmap::kFleetBounds, 2);
    image.SetByte(mptmap::kFleetBounds + 1, 4);
    image.SetByte(mptmap::kFleetBounds + 2, 7);
    image.SetByte(mptmap::kDefaultIndividualFleet, 22);
    image.SetByte(mptmap::kDefaultGroupFleet, 21);
    return image;
}

int32_t RowAt(int32_t row) { return mptmap::kDirectoryRows + mptmap::kDirectoryRowSize * row; }

MptAddress Dial(cmcEeprom& image, const char* digits, const MptNumbering& numbering, int32_t row = 7)
{
    StoreDialString(image, DirectoryDialField(row), digits, true);
    return DirectoryAddress(image, row, numbering);
}

TEST(MptDial, StoresSymbolsAndEndsTheString)
{
    cmcEeprom image = Image();
    const DialField field = DirectoryDialField(2);
    EXPECT_EQ(field.address, RowAt(2) + 10);
    image.Fill(0x00);

    EXPECT_EQ(StoreDialString(image, field, "12*#", true), 4);
    EXPECT_EQ(image.GetByte(field.address), 0x12);
    EXPECT_EQ(image.GetByte(field.address + 1), 0xAB);
    for (int i = 2; i < 16; ++i) {
        EXPECT_EQ(image.GetByte(field.address + i), 0xFF) << i;
    }
    EXPECT_EQ(image.GetByte(field.address + 16), 0x00);  // the prefix byte after the field
    EXPECT_EQ(DialStringText(image, field), "12*#");

    // Without signs, and at any other character, the string ends.
    EXPECT_EQ(StoreDialString(image, field, "12*3", false), 2);
    EXPECT_EQ(DialStringText(image, field), "12");
    EXPECT_EQ(StoreDialString(image, field, "4 5", true), 1);
    EXPECT_EQ(DialStringText(image, field), "4");

    // At most 16 symbols.
    EXPECT_EQ(StoreDialString(image, field, "12345678901234567890", true), 16);
    EXPECT_EQ(DialStringText(image, field), "1234567890123456");
    EXPECT_EQ(image.GetByte(field.address + 8), 0xFF);
}

TEST(MptDial, NormalizingEndsTheStringAtItsFirstNonSymbol)
{
    cmcEeprom image = Image();
    const DialField field = DirectoryDialField(0);
    image.SetByte(field.address, 0x12);
    image.SetByte(field.address + 1, 0x3C);  // 12 is no symbol
    image.SetByte(field.address + 2, 0x45);
    EXPECT_EQ(DialStringText(image, field), "123");
    EXPECT_TRUE(NormalizeDialString(image, field));
    EXPECT_EQ(image.GetByte(field.address + 1), 0x3F);
    EXPECT_EQ(image.GetByte(field.address + 2), 0xFF);
    EXPECT_EQ(image.GetByte(field.address + 15), 0xFF);
    EXPECT_FALSE(NormalizeDialString(image, field));
    EXPECT_EQ(DialStringText(image, field), "123");
}

TEST(MptDial, CpsAddressesGoThroughTheEntryForms)
{
    cmcEeprom image = Image();
    MptAddress a = Dial(image, "20020200", kCps);
    EXPECT_TRUE(a.valid);
    EXPECT_EQ(a.prefix, 0);
    EXPECT_EQ(a.ident, 1);

    a = Dial(image, "24553", kCps);
    EXPECT_EQ(a.prefix, 5);
    EXPECT_EQ(a.ident, 1974);

    // Three digits dial into the default group fleet.
    a = Dial(image, "905", kCps);
    EXPECT_EQ(a.ident, 806);
    EXPECT_FALSE(Dial(image, "250", kCps).valid);  // fleet 21 has no individuals

    EXPECT_FALSE(Dial(image, "24554", kCps).valid);
    EXPECT_FALSE(Dial(image, "2455", kCps).valid);
}

TEST(MptDial, MptAddressesInTheOwnFleet)
{
    cmcEeprom image = Image();
    MptAddress a = Dial(image, "250", kMpt);
    EXPECT_TRUE(a.valid);
    EXPECT_EQ(a.prefix, 5);
    EXPECT_EQ(a.ident, 1050);

    EXPECT_FALSE(Dial(image, "25", kMpt).valid);   // the own fleet has three-digit numbers
    EXPECT_FALSE(Dial(image, "199", kMpt).valid);
    EXPECT_FALSE(Dial(image, "2500", kMpt).valid);

    SetImageWord(image, mptmap::kLastIndividual, 89);  // two-digit fleet
    a = Dial(image, "25", kMpt);
    EXPECT_TRUE(a.valid);
    EXPECT_EQ(a.ident, 1005);
    EXPECT_FALSE(Dial(image, "250", kMpt).valid);
}

TEST(MptDial, MptAddressesWithPrefixAndFleet)
{
    cmcEeprom image = Image();
    MptAddress a = Dial(image, "2600250", kMpt);  // fleet 2600 is base 1200
    EXPECT_TRUE(a.valid);
    EXPECT_EQ(a.prefix, 5);
    EXPECT_EQ(a.ident, 1250);

    a = Dial(image, "260025", kMpt);  // another fleet may have two digits
    EXPECT_TRUE(a.valid);
    EXPECT_EQ(a.ident, 1205);

    a = Dial(image, "2076000250", kMpt);
    EXPECT_TRUE(a.valid);
    EXPECT_EQ(a.prefix, 7);
    // Fleet 6000 (base 8000) lies far above the own individual block; the
    // number is still an address of its own fleet.
    EXPECT_EQ(a.ident, 8050);

    a = Dial(image, "207250", kMpt);  // 6 digits: fleet 2072 and IFN 50
    EXPECT_TRUE(a.valid);
    EXPECT_EQ(a.prefix, 5);
    EXPECT_EQ(a.ident, 144 + 30);

    EXPECT_FALSE(Dial(image, "1992600250", kMpt).valid);  // prefix 199 - 200
    EXPECT_FALSE(Dial(image, "2000250", kMpt).valid);     // fleet 2000: base 0
    EXPECT_FALSE(Dial(image, "6100899", kMpt).valid);     // beyond ident 8100
}

TEST(MptDial, SignsAndEmptyEntriesHaveNoAddress)
{
    cmcEeprom image = Image();
    const int32_t row = RowAt(3);
    image.SetByte(row + mptmap::kDirectoryPrefix, 9);
    SetImageWord(image, row + mptmap::kDirectoryIdent, 1234);

    StoreDialString(image, DirectoryDialField(3), "250#", true);
    UpdateDirectoryAddress(image, 3, kMpt);
    EXPECT_EQ(image.GetByte(row + mptmap::kDirectoryPrefix), 0);
    EXPECT_EQ(ImageWord(image, row + mptmap::kDirectoryIdent), 0);

    StoreDialString(image, DirectoryDialField(3), "250", true);
    UpdateDirectoryAddress(image, 3, kMpt);
    EXPECT_EQ(image.GetByte(row + mptmap::kDirectoryPrefix), 5);
    EXPECT_EQ(ImageWord(image, row + mptmap::kDirectoryIdent), 1050);

    StoreDialString(image, DirectoryDialField(3), "", true);
    UpdateDirectoryAddress(image, 3, kMpt);
    EXPECT_EQ(ImageWord(image, row + mptmap::kDirectoryIdent), 0);
}

TEST(MptDial, EveryDirectoryRowIsUpdated)
{
    cmcEeprom image = Image();
    for (int32_t row = 0; row < mptmap::kDirectoryRowCount; ++row) {
        StoreDialString(image, DirectoryDialField(row), row % 2 == 0 ? "200" : "*", true);
        SetImageWord(image, RowAt(row) + mptmap::kDirectoryIdent, 0xBEEF);
    }
    UpdateDirectoryAddresses(image, kMpt);
    for (int32_t row = 0; row < mptmap::kDirectoryRowCount; ++row) {
        EXPECT_EQ(ImageWord(image, RowAt(row) + mptmap::kDirectoryIdent), row % 2 == 0 ? 1000 : 0) << row;
    }
}

}  // namespace
}  // namespace xtr
