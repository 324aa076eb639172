// The factory and demonstration clone files in data/ against the generator
// and against the program that loads them: they are exactly what the
// readable defaults make, they carry the family's identity, their checks
// find nothing in their own numbering (a factory image only the lists of a
// network it does not know yet), preparation leaves them as they are, every
// default entered is still there as typed, and the factory image holds no
// list entry.
#include "factory_image.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "cells/active_cell.h"
#include "cells/cell_description.h"
#include "cells/cell_names.h"
#include "cells/lists/ch_record.h"
#include "cells/checks/check_list.h"
#include "cells/lists/list_geometry.h"
#include "cells/cell_text_edit.h"
#include "cells/prepare/prepare_image.h"
#include "image/clone_file.h"
#include "image/range_list.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xtr::factory {
namespace {

const Variant kVariants[] = {Variant::Mpt, Variant::Cps};
const Edition kEditions[] = {Edition::Factory, Edition::Demo};

std::string NameOf(Variant variant, Edition edition = Edition::Factory)
{
    return std::string(variant == Variant::Cps ? "Cps" : "Mpt") + (edition == Edition::Demo ? " demo" : " factory");
}

class FactoryFiles : public ::testing::Test {
protected:
    std::string ShippedPath(Variant variant, Edition edition = Edition::Factory) const
    {
        return std::string(XTR_SOURCE_DATA_DIR) + "/" + shop.FileName(variant, edition);
    }

    // Reads the shipped file as the program reads its initial file: the
    // whole clone area must be covered.
    void ReadShipped(Variant variant, Edition edition, cmcEeprom& image)
    {
        image.SetSize(kImageSize);
        cmcKclFile file;
        file.SetImage(&image);
        file.SetModelCode(kModelCode);
        file.SetExtraCode(kExtraCode);
        file.SetMapRevisionCheck(AcceptKnownMapRevision, nullptr);
        const std::string path = ShippedPath(variant, edition);
        ASSERT_EQ(file.Read(path, RangeList(kCloneAreaRanges)), kKclOk) << path;
    }

    // Makes the shipped file the application's current image, in the
    // variant's numbering, with the variant's factory file as the reference
    // image, as in the program that opens it.
    void LoadShipped(Variant variant, Edition edition = Edition::Factory)
    {
        Env().modelType = static_cast<std::uint8_t>(variant);
        App().UseWindowNumbering();
        ReadShipped(variant, Edition::Factory, App().ReferenceImage());
        ReadShipped(variant, edition, App().CurrentImage());
    }

    indMain& App() { return static_cast<indMain&>(::xtr::App()); }

    FactoryShop shop;
};

TEST_F(FactoryFiles, ShippedFilesAreExactlyWhatTheGeneratorMakes)
{
    test::TempDir dir;
    for (Edition edition : kEditions) {
        for (Variant variant : kVariants) {
            SCOPED_TRACE(NameOf(variant, edition));
            cmcEeprom image;
            const BuildReport report = shop.Build(variant, edition, image);
            EXPECT_TRUE(report.refused.empty()) << report.refused.front();
            EXPECT_TRUE(report.Clean());
            const std::string made = dir.File(shop.FileName(variant, edition));
            ASSERT_EQ(shop.Write(image, made), kKclOk);
            EXPECT_EQ(test::ReadWholeFile(made), test::ReadWholeFile(ShippedPath(variant, edition)))
                << "regenerate with: xtr450-mkfactory data";
        }
    }
    EXPECT_EQ(shop.FileName(Variant::Mpt), "XTR450MPT.kcl");
    EXPECT_EQ(shop.FileName(Variant::Cps), "XTR450CPS.kcl");
    EXPECT_EQ(shop.FileName(Variant::Mpt, Edition::Demo), "demo-mpt.kcl");
    EXPECT_EQ(shop.FileName(Variant::Cps, Edition::Demo), "demo-cps.kcl");
}

TEST_F(FactoryFiles, CarryTheFamilyIdentityAndTheMakerName)
{
    for (Edition edition : kEditions) {
        for (Variant variant : kVariants) {
            SCOPED_TRACE(NameOf(variant, edition));
            cmcEeprom image;
            ReadShipped(variant, edition, image);
            EXPECT_EQ(App().CheckImageIdentity(image, false), 0);
            EXPECT_EQ(App().CheckImageIdentity(image, true), 0);
            EXPECT_EQ(App().CheckImageNewer(image), 0);
            // Both comments name the file: the comment line is built from them.
            const std::string text = test::ReadWholeFile(ShippedPath(variant, edition));
            EXPECT_NE(text.find(variant == Variant::Cps ? "CPS numbering" : "MPT numbering"), std::string::npos);
            EXPECT_NE(text.find(edition == Edition::Demo ? "Demonstration" : "Factory defaults"), std::string::npos);
        }
    }
}

TEST_F(FactoryFiles, ChecksFindNothingInTheirOwnNumbering)
{
    for (Variant variant : kVariants) {
        SCOPED_TRACE(NameOf(variant, Edition::Demo));
        LoadShipped(variant, Edition::Demo);
        int errors = -1;
        int warnings = -1;
        App().CountProblems(errors, warnings);
        EXPECT_EQ(errors, 0);
        EXPECT_EQ(warnings, 0);
        EXPECT_TRUE(App().Problems().findings.empty());
    }
}

// A radio fresh from the factory has no block frequencies and no hunt
// channels yet: those two checks, and nothing else, report errors.
TEST_F(FactoryFiles, FactoryFilesLackOnlyTheNetworkLists)
{
    for (Variant variant : kVariants) {
        SCOPED_TRACE(NameOf(variant));
        LoadShipped(variant);
        int errors = -1;
        int warnings = -1;
        App().CountProblems(errors, warnings);
        EXPECT_EQ(errors, 2);
        EXPECT_EQ(warnings, 0);
        std::vector<std::int32_t> cells;
        for (const CheckFinding& finding : App().Problems().findings) {
            cells.push_back(finding.cellId);
        }
        EXPECT_EQ(cells, (std::vector<std::int32_t>{CL_Check_Network_BlockFreq, CL_Check_Hunt_Normal}));
    }
}

TEST_F(FactoryFiles, PreparationChangesNothing)
{
    for (Edition edition : kEditions) {
        for (Variant variant : kVariants) {
            SCOPED_TRACE(NameOf(variant, edition));
            cmcEeprom shipped;
            ReadShipped(variant, edition, shipped);
            if (edition == Edition::Factory) {
                // As at start-up: the reference prepared against itself.
                cmcEeprom self;
                self.SetSize(kImageSize);
                self.CopyFrom(shipped);
                PrepareImage(self, self, static_cast<int>(variant));
                EXPECT_FALSE(self.Differs(shipped));
            }
            // As before a save of the unchanged image, through the application.
            LoadShipped(variant, edition);
            App().PrepareImage(App().CurrentImage());
            EXPECT_FALSE(App().CurrentImage().Differs(shipped));
        }
    }
}

// A later default that moves or overwrites an earlier one (a list kept in
// order, a renumbering after a fleet change, preparation taking bytes from
// elsewhere) would leave the image other than the tables say.
TEST_F(FactoryFiles, EveryDefaultReadsBackAsEntered)
{
    for (Edition edition : kEditions) {
        for (Variant variant : kVariants) {
            SCOPED_TRACE(NameOf(variant, edition));
            LoadShipped(variant, edition);
            for (const Setting& setting : EditionSettings(variant, edition)) {
                cmcCellObj cell;
                ParseCellDescription(std::string("{(%") + setting.cell + ")}", cell, nullptr, nullptr);
                // Entering the text again must change nothing.
                cmcEeprom before;
                before.SetSize(kImageSize);
                before.CopyFrom(App().CurrentImage());
                const CellEdit edit = EditCell(App(), cell, setting.text);
                EXPECT_TRUE(edit.accepted) << setting.cell << " " << edit.reason;
                EXPECT_FALSE(App().CurrentImage().Differs(before)) << setting.cell << " = " << setting.text;
                App().CurrentImage().CopyFrom(before);
            }
        }
    }
}

// Every list row of the factory image is one not in use, as a fresh radio
// holds it: preparing an image against it, and Clear, bring back nothing.
TEST_F(FactoryFiles, FactoryImageHoldsNoListEntry)
{
    for (Variant variant : kVariants) {
        SCOPED_TRACE(NameOf(variant));
        LoadShipped(variant);
        const cmcEeprom& image = App().ReferenceImage();
        datCh row(App().ReferenceImage());
        // (The Cps call ranges are the radio's own settings, not entries.)
        for (int slot : {listslot::kConv, listslot::kBlockFreq}) {
            const ListGeometry& list = GeometryOf(slot);
            for (std::int32_t k = list.firstRow; k <= list.lastRow; ++k) {
                row.Load(slot, k);
                EXPECT_FALSE(row.InUse()) << "slot " << slot << " row " << k;
            }
        }
        for (int slot : {listslot::kFiveDigit, listslot::kGroups, listslot::kAad, listslot::kHuntCh,
                         listslot::kPrefNdd}) {
            EXPECT_EQ(ListCount(image, slot), 0) << "slot " << slot;
        }
        const ListGeometry& directory = GeometryOf(listslot::kDirMemory);
        for (std::int32_t k = directory.firstRow; k <= directory.lastRow; ++k) {
            EXPECT_EQ(image.GetByte(directory.AddressOf(k) + 10) >> 4, 0xF) << "directory entry " << k;
        }
        // No leftovers of an erased chip in an unused channel: no transmit
        // inhibit, lockout or power bits, no frequency bits.
        const ListGeometry& conv = GeometryOf(listslot::kConv);
        for (std::int32_t k = conv.firstRow; k <= conv.lastRow; ++k) {
            const std::int32_t a = conv.AddressOf(k);
            EXPECT_EQ(image.GetByte(a + 12), 0x80) << "channel " << k;
            EXPECT_EQ(image.GetByte(a), 0x00) << "channel " << k;
            EXPECT_EQ(image.GetByte(a + 4), 0x00) << "channel " << k;
        }
    }
}

TEST_F(FactoryFiles, GeneratorRefusesTextsACellDoesNotTakeAndImagesWithProblems)
{
    cmcEeprom image;
    const Setting wrong[] = {{"CL_Comm_TOTTimer", "999"}, {"CL_NetId_MinCHNumber", "one"}};
    BuildReport report = shop.Build(Variant::Mpt, wrong, image);
    ASSERT_EQ(report.refused.size(), 2u);
    // 999 would be limited to the timer's 255 seconds: not what the table says.
    EXPECT_NE(report.refused[0].find("CL_Comm_TOTTimer"), std::string::npos);
    EXPECT_NE(report.refused[1].find("CL_NetId_MinCHNumber"), std::string::npos);
    EXPECT_FALSE(report.Clean());

    // The base alone lacks only the network's lists, as a fresh radio does:
    // that is expected of a factory image. A hunt channel outside the
    // channel range is a real error, even in a factory image.
    report = shop.Build(Variant::Mpt, {}, image);
    EXPECT_TRUE(report.refused.empty());
    EXPECT_EQ(report.expected.size(), 2u);
    EXPECT_TRUE(report.Clean());
    const Setting strayHunt[] = {{"CT_HuntCh.CL_HuntNCh[0]", "5"}};
    report = shop.Build(Variant::Mpt, strayHunt, image);
    EXPECT_TRUE(report.refused.empty());
    EXPECT_GT(report.errors, 0);
    EXPECT_FALSE(report.findings.empty());
    EXPECT_FALSE(report.Clean());
    EXPECT_EQ(App().CheckImageIdentity(image, true), 0);
}

}  // namespace
}  // namespace xtr::factory
