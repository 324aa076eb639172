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
#include "cells/check_list.h"
#include "cells/prepare_image.h"
#include "image/clone_file.h"
#include "image/range_list.h"
#include "overlay/gtex.h"

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

std::string FactoryShop::FileName(Variant variant) const
{
    return Trim(GTex().Text("GI_App_InitialFile", static_cast<int>(variant)));
}

BuildReport FactoryShop::Build(Variant variant, cmcEeprom& image)
{
    const std::span<const Setting> common = CommonSettings();
    const std::span<const Setting> own = VariantSettings(variant);
    std::vector<Setting> all(common.begin(), common.end());
    all.insert(all.end(), own.begin(), own.end());
    return Build(variant, all, image);
}

BuildReport FactoryShop::Build(Variant variant, std::span<const Setting> settings, cmcEeprom& image)
{
    const int modelType = static_cast<int>(variant);
    Env().modelType = static_cast<std::uint8_t>(modelType);
    // Numbers are typed as the program's window shows them: prefixes as
    // 200 plus the prefix in both numberings.
    Env().attached = 1;
    indMain& app = objects_->Application();
    cmcEeprom& current = app.CurrentImage();

    // An erased EEPROM reads 0xFF; the part of the image beyond the clone
    // area never reaches a file or the radio and stays zero.
    current.SetSize(kImageSize);
    for (std::int32_t a = 0; a < kImageSize; ++a) {
        current.SetByte(a, a < 0x2000 ? 0xFF : 0x00);
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

    // The factory image is its own reference: preparing it against itself
    // computes the derived values and copies nothing, exactly as the program
    // does with the initial file at start-up.
    PrepareImage(current, current, modelType);
    app.ReferenceImage().CopyFrom(current);

    app.CountProblems(report.errors, report.warnings);
    for (const CheckFinding& finding : app.Problems().findings) {
        report.findings.push_back(Format("%s %s %s", finding.error ? "error" : "warning",
                                         std::string(CellName(finding.cellId)).c_str(), finding.parameter.c_str()));
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
    return file.Write(path, RangeList(kCloneAreaRanges));
}

}  // namespace xtr::factory
