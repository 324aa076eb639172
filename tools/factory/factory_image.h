// The images that ship beside the program, two per numbering variant: the
// factory image (the program's initial file and reference image: a radio
// fresh from the factory, with no list entry) and the demonstration image (a
// configured radio, which the manual shows and the simulated radio serves).
// The factory image is made from two readable tables: the bytes of a freshly
// programmed radio that no cell edits (factory_base.cpp) and the settings a
// technician would type into the program's sheets (factory_defaults.cpp);
// the demonstration image is the factory image with more settings typed in.
// The settings go through the cells exactly as typed text does, then the
// image is prepared as before every save and checked. The files in data/
// are generated this way, never edited by hand.
#pragma once

#include "image/eeprom.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace xtr {
class ProcessObjects;
class LoopTimeService;
class MemorySettings;
class LocalInstanceGuard;
}  // namespace xtr

namespace xtr::factory {

enum class Variant { Mpt = 0, Cps = 1 };
enum class Edition { Factory, Demo };

// Bytes at an address, written repeat times one after the other (a fill
// when bytes holds one byte, a run of equal list rows when it holds a row).
struct BaseBlock {
    std::int32_t address;
    std::vector<std::uint8_t> bytes;
    std::int32_t repeat;
    const char* what;
};

// A setting as written in the program's cell descriptions
// ("CT_Conv.CL_PersConv_FreqRx[0]", "CL_Comm_TOTTimer") with the text a
// user types, or the caption of the item picked from the cell's list.
struct Setting {
    const char* cell;
    const char* text;
};

// The byte-level base of both variants, applied in order over an erased
// clone area.
std::span<const BaseBlock> BaseBlocks();
// The settings of both variants, then those of one variant, in the order
// they are entered (a list grows row by row, fleets before numbers).
std::span<const Setting> CommonSettings();
std::span<const Setting> VariantSettings(Variant variant);
// The settings the demonstration image adds over the factory image.
std::span<const Setting> DemoCommonSettings();
std::span<const Setting> DemoVariantSettings(Variant variant);

// The settings of an edition as they are entered over its starting image
// (the byte base for the factory image, the factory image for the
// demonstration image).
std::vector<Setting> EditionSettings(Variant variant, Edition edition);

// What building an image found wrong: texts a cell did not take, and the
// checks that report errors or warnings afterwards. A factory image has no
// block frequencies and no hunt channels, which the checks of those lists
// report as errors: those findings are expected of it and listed apart.
struct BuildReport {
    std::vector<std::string> refused;
    std::vector<std::string> findings;
    std::vector<std::string> expected;
    int errors = 0;
    int warnings = 0;
    bool Clean() const { return refused.empty() && findings.empty(); }
};

// The process-wide objects the cells need, built as the command-line tool
// builds them: settings held in memory only, the overlay from the data
// folder, the event manager and the application object without a window.
// Questions the cells ask while the settings are entered are answered as a
// technician confirming them would (OK, Yes).
class FactoryShop {
public:
    FactoryShop();
    ~FactoryShop();
    FactoryShop(const FactoryShop&) = delete;
    FactoryShop& operator=(const FactoryShop&) = delete;

    // The file name of the variant's initial file ("GI_App_InitialFile"),
    // or of its demonstration file.
    std::string FileName(Variant variant, Edition edition = Edition::Factory) const;

    // Builds the image of the variant and edition from the tables into
    // image; a demonstration image is built over the factory image, which
    // is then its reference image.
    BuildReport Build(Variant variant, Edition edition, cmcEeprom& image);
    BuildReport Build(Variant variant, cmcEeprom& image) { return Build(variant, Edition::Factory, image); }
    // Builds a factory image from the byte base and the given settings
    // instead of the tables' settings.
    BuildReport Build(Variant variant, std::span<const Setting> settings, cmcEeprom& image);

    // Writes image as a clone file with the comment the image holds;
    // returns the clone file's result code.
    int Write(const cmcEeprom& image, const std::string& path);

private:
    class AnswerYes;
    // Enters settings into the application's current image (whose
    // reference image is already set), prepares and checks it.
    BuildReport Enter(Variant variant, Edition edition, std::span<const Setting> settings, cmcEeprom& image);
    void StartFromBase();

    std::unique_ptr<LoopTimeService> time_;
    std::unique_ptr<MemorySettings> settings_;
    std::unique_ptr<LocalInstanceGuard> guard_;
    std::unique_ptr<AnswerYes> answers_;
    std::unique_ptr<ProcessObjects> objects_;
};

}  // namespace xtr::factory
