// The factory clone files in data/ against the generator and against the
// program that loads them at start-up: they are exactly what the readable
// defaults make, they carry the family's identity, their checks find
// nothing in their own numbering, preparation leaves them as they are, and
// every default entered is still there as typed.
#include "factory_image.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/main/ind_main.h"
#include "cells/active_cell.h"
#include "cells/cell_description.h"
#include "cells/cell_text_edit.h"
#include "cells/prepare_image.h"
#include "image/clone_file.h"
#include "image/range_list.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xtr::factory {
namespace {

const Variant kVariants[] = {Variant::Mpt, Variant::Cps};

const char* NameOf(Variant variant)
{
    return variant == Variant::Cps ? "Cps" : "Mpt";
}

class FactoryFiles : public ::testing::Test {
protected:
    std::string ShippedPath(Variant variant) const
    {
        return std::string(XTR_SOURCE_DATA_DIR) + "/" + shop.FileName(variant);
    }

    // Reads the shipped file of the variant as the program reads its
    // initial file: the whole clone area must be covered.
    void ReadShipped(Variant variant, cmcEeprom& image)
    {
        image.SetSize(kImageSize);
        cmcKclFile file;
        file.SetImage(&image);
        file.SetModelCode(kModelCode);
        file.SetExtraCode(kExtraCode);
        file.SetMapRevisionCheck(AcceptKnownMapRevision, nullptr);
        ASSERT_EQ(file.Read(ShippedPath(variant), RangeList(kCloneAreaRanges)), kKclOk) << ShippedPath(variant);
    }

    // Makes the shipped file of the variant the application's reference and
    // current image, in the variant's numbering.
    void LoadShipped(Variant variant)
    {
        Env().modelType = static_cast<std::uint8_t>(variant);
        Env().attached = 1;
        ReadShipped(variant, App().ReferenceImage());
        App().CurrentImage().CopyFrom(App().ReferenceImage());
    }

    indMain& App() { return static_cast<indMain&>(::xtr::App()); }

    FactoryShop shop;
};

TEST_F(FactoryFiles, ShippedFilesAreExactlyWhatTheGeneratorMakes)
{
    test::TempDir dir;
    for (Variant variant : kVariants) {
        SCOPED_TRACE(NameOf(variant));
        cmcEeprom image;
        const BuildReport report = shop.Build(variant, image);
        EXPECT_TRUE(report.refused.empty()) << report.refused.front();
        EXPECT_TRUE(report.Clean());
        const std::string made = dir.File(shop.FileName(variant));
        ASSERT_EQ(shop.Write(image, made), kKclOk);
        EXPECT_EQ(test::ReadWholeFile(made), test::ReadWholeFile(ShippedPath(variant)))
            << "regenerate with: xtr450-mkfactory data";
    }
    EXPECT_EQ(shop.FileName(Variant::Mpt), "XTR450MPT.kcl");
    EXPECT_EQ(shop.FileName(Variant::Cps), "XTR450CPS.kcl");
}

TEST_F(FactoryFiles, CarryTheFamilyIdentityAndTheMakerName)
{
    for (Variant variant : kVariants) {
        SCOPED_TRACE(NameOf(variant));
        cmcEeprom image;
        ReadShipped(variant, image);
        EXPECT_EQ(App().CheckImageIdentity(image, false), 0);
        EXPECT_EQ(App().CheckImageIdentity(image, true), 0);
        EXPECT_EQ(App().CheckImageNewer(image), 0);
        // Both comments name the file: the comment line is built from them.
        const std::string text = test::ReadWholeFile(ShippedPath(variant));
        EXPECT_NE(text.find(variant == Variant::Cps ? "CPS numbering" : "MPT numbering"), std::string::npos);
    }
}

TEST_F(FactoryFiles, ChecksFindNothingInTheirOwnNumbering)
{
    for (Variant variant : kVariants) {
        SCOPED_TRACE(NameOf(variant));
        LoadShipped(variant);
        int errors = -1;
        int warnings = -1;
        App().CountProblems(errors, warnings);
        EXPECT_EQ(errors, 0);
        EXPECT_EQ(warnings, 0);
        EXPECT_TRUE(App().Problems().findings.empty());
    }
}

TEST_F(FactoryFiles, PreparationChangesNothing)
{
    for (Variant variant : kVariants) {
        SCOPED_TRACE(NameOf(variant));
        cmcEeprom shipped;
        ReadShipped(variant, shipped);
        // As at start-up: the reference prepared against itself.
        cmcEeprom self;
        self.SetSize(kImageSize);
        self.CopyFrom(shipped);
        PrepareImage(self, self, static_cast<int>(variant));
        EXPECT_FALSE(self.Differs(shipped));
        // As before a save of the unchanged image, through the application.
        LoadShipped(variant);
        App().PrepareImage(App().CurrentImage());
        EXPECT_FALSE(App().CurrentImage().Differs(shipped));
    }
}

// A later default that moves or overwrites an earlier one (a list kept in
// order, a renumbering after a fleet change, preparation taking bytes from
// elsewhere) would leave the image other than the tables say.
TEST_F(FactoryFiles, EveryDefaultReadsBackAsEntered)
{
    for (Variant variant : kVariants) {
        SCOPED_TRACE(NameOf(variant));
        LoadShipped(variant);
        std::vector<Setting> all(CommonSettings().begin(), CommonSettings().end());
        all.insert(all.end(), VariantSettings(variant).begin(), VariantSettings(variant).end());
        for (const Setting& setting : all) {
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

    // The base alone has no block frequencies and no hunt channels: the
    // checks report errors, and such an image is not fit to ship.
    report = shop.Build(Variant::Mpt, {}, image);
    EXPECT_TRUE(report.refused.empty());
    EXPECT_GT(report.errors, 0);
    EXPECT_FALSE(report.findings.empty());
    EXPECT_FALSE(report.Clean());
    EXPECT_EQ(App().CheckImageIdentity(image, true), 0);
}

}  // namespace
}  // namespace xtr::factory
