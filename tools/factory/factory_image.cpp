// Building a factory image: the byte-level base over an erased clone area,
// the settings entered through the cells, preparation, and the checks.
#include "factory_image.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/loop_time.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/memory_settings.h"
#include "app/message_service.h"
#include "app/text_util.h"
#include "app/time_service.h"
#include "cells/cell_description.h"
#include "cells/cell_names.h"
#include "cells/cell_obj.h"
#include "cells/cell_text_edit.h"
#include "cells/lists/ch_record.h"
#include "cells/checks/check_list.h"
#include "cells/lists/list_geometry.h"
#include "cells/prepare/prepare_image.h"
#include "image/clone_file.h"
#include "image/demo_files.h"
#include "image/range_list.h"
#include "overlay/gtex.h"
#include "image/memory_map.h"

namespace xtr::factory {

// The fleet cells ask before they store fitted counts, and a few others ask
// before they change dependent settings: the defaults mean them all.
class FactoryShop::AnswerYes : public MessageService {
public:
    MsgResult Show(const std::string&, const std::string&, MsgIcon, MsgButtons buttons) override
    {
        switch (buttons) {
        case MsgButtons::Ok:
        case MsgButtons::OkCancel: return MsgResult::Ok;
        default: return MsgResult::Yes;
        }
    }
};

FactoryShop::FactoryShop()
    : time_(std::make_unique<LoopTimeService>()),
      settings_(std::make_unique<MemorySettings>()),
      guard_(std::make_unique<LocalInstanceGuard>()),
      answers_(std::make_unique<AnswerYes>())
{
    SetTimeService(time_.get());
    SetMessageService(answers_.get());
    ProcessServices services;
    services.environ = EnvironServices{settings_.get(), guard_.get(), ScreenSize{1024, 768}};
    services.commandLine = {"xtr450-mkfactory"};
    objects_ = std::make_unique<ProcessObjects>(services);
}

FactoryShop::~FactoryShop()
{
    objects_.reset();
    SetMessageService(nullptr);
    SetTimeService(nullptr);
}

namespace {

// A radio fresh from the factory knows no network yet: its block-frequency
// list and its hunt list are empty, and their checks say so.
bool KnowsNoNetwork(const cmcEeprom& image, const CheckFinding& finding)
{
    if (finding.cellId == CL_Check_Network_BlockFreq) {
        datCh first(const_cast<cmcEeprom&>(image));
        first.Load(listslot::kBlockFreq, 0);
        return !first.InUse();
    }
    return finding.cellId == CL_Check_Hunt_Normal && ListCount(image, listslot::kHuntCh) == 0;
}

}  // namespace

std::string FactoryShop::FileName(Variant variant, Edition edition) const
{
    if (edition == Edition::Demo) {
        return DemoFileName(static_cast<int>(variant));
    }
    return Trim(GTex().Text("GI_App_InitialFile", static_cast<int>(variant)));
}

std::vector<Setting> EditionSettings(Variant variant, Edition edition)
{
    const std::span<const Setting> common = edition == Edition::Demo ? DemoCommonSettings() : CommonSettings();
    const std::span<const Setting> own = edition == Edition::Demo ? DemoVariantSettings(variant) : VariantSettings(variant);
    std::vector<Setting> all(common.begin(), common.end());
    all.insert(all.end(), own.begin(), own.end());
    return all;
}

void FactoryShop::StartFromBase()
{
    indMain& app = objects_->Application();
    cmcEeprom& current = app.CurrentImage();
    // An erased EEPROM reads 0xFF; the part of the image beyond the clone
    // area never reaches a file or the radio and stays zero.
    current.SetSize(kImageSize);
    for (std::int32_t a = 0; a < kImageSize; ++a) {
        current.SetByte(a, a < memmap::kCloneAreaSize ? 0xFF : 0x00);
    }
    for (const BaseBlock& block : BaseBlocks()) {
        std::int32_t address = block.address;
        for (std::int32_t n = 0; n < block.repeat; ++n) {
            current.WriteBlock(address, block.bytes.data(), static_cast<std::int32_t>(block.bytes.size()));
            address += static_cast<std::int32_t>(block.bytes.size());
        }
    }
    // The base is what a cell that consults the reference image sees while
    // the settings are entered, as the program's reference image would be.
    app.ReferenceImage().CopyFrom(current);
}

BuildReport FactoryShop::Build(Variant variant, Edition edition, cmcEeprom& image)
{
    StartFromBase();
    BuildReport report = Enter(variant, Edition::Factory, EditionSettings(variant, Edition::Factory), image);
    if (edition == Edition::Factory || !report.Clean()) {
        return report;
    }
    // The demonstration starts from the factory image, which is also its
    // reference, as in the program that opens it.
    indMain& app = objects_->Application();
    app.ReferenceImage().CopyFrom(image);
    app.CurrentImage().CopyFrom(image);
    return Enter(variant, Edition::Demo, EditionSettings(variant, Edition::Demo), image);
}

BuildReport FactoryShop::Build(Variant variant, std::span<const Setting> settings, cmcEeprom& image)
{
    StartFromBase();
    return Enter(variant, Edition::Factory, settings, image);
}

BuildReport FactoryShop::Enter(Variant variant, Edition edition, std::span<const Setting> settings, cmcEeprom& image)
{
    const int modelType = static_cast<int>(variant);
    Env().modelType = static_cast<std::uint8_t>(modelType);
    indMain& app = objects_->Application();
    // Numbers are typed and stored exactly as the program's window does.
    app.UseWindowNumbering();
    cmcEeprom& current = app.CurrentImage();

    BuildReport report;
    for (const Setting& setting : settings) {
        cmcCellObj cell;
        ParseCellDescription(Format("{(%%%s)}", setting.cell), cell, nullptr, nullptr);
        const CellEdit edit = EditCell(app, cell, setting.text);
        if (!edit.accepted) {
            report.refused.push_back(Format("%s: '%s' not taken: %s (it shows '%s')", setting.cell, setting.text,
                                            edit.reason.c_str(), edit.shown.c_str()));
        } else if (!SameValueText(edit.shown, setting.text)) {
            // A cell limits a value to its range, or turns it into another
            // one: the file would then hold other than the table says.
            report.refused.push_back(Format("%s: '%s' became '%s'", setting.cell, setting.text, edit.shown.c_str()));
        }
    }

    if (edition == Edition::Factory) {
        // The factory image is its own reference: preparing it against
        // itself computes the derived values and copies nothing, exactly as
        // the program does with the initial file at start-up.
        PrepareImage(current, current, modelType);
        app.ReferenceImage().CopyFrom(current);
    } else {
        app.PrepareImage(current);
    }

    app.CountProblems(report.errors, report.warnings);
    for (const CheckFinding& finding : app.Problems().findings) {
        const std::string text = Format("%s %s %s", finding.error ? "error" : "warning",
                                        std::string(CellName(finding.cellId)).c_str(), finding.parameter.c_str());
        (edition == Edition::Factory && KnowsNoNetwork(current, finding) ? report.expected : report.findings)
            .push_back(text);
    }
    image.SetSize(kImageSize);
    image.CopyFrom(current);
    return report;
}

int FactoryShop::Write(const cmcEeprom& image, const std::string& path)
{
    cmcEeprom copy;
    copy.SetSize(image.Size());
    copy.CopyFrom(image);
    cmcKclFile file;
    file.SetImage(&copy);
    file.SetModelCode(kModelCode);
    file.SetExtraCode(kExtraCode);
    file.SetMapRevision(kKclMapRevision);
    file.SetComment(CloneFileComment(copy));
    // The shipped files are the same bytes on every system the generator
    // runs on (the repository keeps them with LF line ends).
    file.SetLineEnd("\n");
    return file.Write(path, RangeList(kCloneAreaRanges));
}

}  // namespace xtr::factory
