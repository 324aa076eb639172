// Text typed into every cell of the program over the factory images of both
// numberings, stored as the command-line tool's set command and the grid
// store it. Whatever the text, a cell either refuses it and the image stays
// byte for byte as it was, or takes it, changes nothing outside the clone
// area, and then takes the text it shows without any further change: the
// value reads back (but for the user-defined characters, which show a glyph).
#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/memory_settings.h"
#include "cells/categories.h"
#include "cells/cell_names.h"
#include "cells/cell_obj.h"
#include "cells/cell_text_edit.h"
#include "cells/fcache.h"
#include "cells/lists/list_geometry.h"
#include "cells/map/map_display_texts.h"
#include "cells/ui_seams.h"
#include "fuzz_support.h"
#include "image/clone_file.h"
#include "image/eeprom.h"
#include "overlay/gtex.h"
#include "segedit/segment_text.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using xtr::fuzz::Require;

constexpr int32_t kCloneAreaEnd = 0x1FFF;

class Host : public xtr::CellHost {
public:
    explicit Host(xtr::cmcGTex& texts) : lists_(texts)
    {
        image_.SetSize(0x4000);
        reference_.SetSize(0x4000);
    }
    xtr::cmcEeprom& CurrentImage() override { return image_; }
    xtr::cmcFCache& SelectionLists() override { return lists_; }
    void ImageChanged() override {}
    xtr::cmcEeprom& ReferenceImage() override { return reference_; }

private:
    xtr::cmcEeprom image_;
    xtr::cmcEeprom reference_;
    xtr::cmcFCache lists_;
};

struct Cell {
    std::uint32_t category;
    std::int32_t id;
    std::int32_t row;
};

struct Setup {
    Setup()
        : env(xtr::kEnvironGuardName, xtr::kEnvironPerUserKey,
              xtr::EnvironServices{&settings, &guard, xtr::ScreenSize{1024, 768}}),
          host((texts.NameText(xtr::fuzz::ReadDataFile("XTR450.OVL")), texts))
    {
        xtr::SetGTex(&texts);
        xtr::SetEnv(&env);
        xtr::SetMessageService(&messages);
        xtr::SetCellHost(&host);
        const char* files[2] = {"XTR450MPT.kcl", "XTR450CPS.kcl"};
        for (int variant = 0; variant < 2; ++variant) {
            images[variant].SetSize(0x4000);
            xtr::cmcKclFile file;
            file.SetImage(&images[variant]);
            file.SetModelCode(0x2527);
            file.SetMapRevisionCheck(xtr::AcceptKnownMapRevision, nullptr);
            const std::string text = xtr::fuzz::ReadDataFile(files[variant]);
            Require(file.ReadText(text) == xtr::kKclOk, "the factory images read");
        }
        // Every cell outside the lists, and every list cell the overlay's
        // descriptions place, on its first, second and last row.
        for (std::int32_t id = 0; id < xtr::kCellCount; ++id) {
            cells.push_back({xtr::kCategoryNone, id, 0});
        }
        const std::string overlay = xtr::fuzz::ReadDataFile("XTR450.OVL");
        const std::regex reference(R"((CT_[A-Za-z0-9_]+)\.(CL_[A-Za-z0-9_]+))");
        std::set<std::pair<std::uint32_t, std::int32_t>> listCells;
        for (auto it = std::sregex_iterator(overlay.begin(), overlay.end(), reference); it != std::sregex_iterator();
             ++it) {
            listCells.insert({xtr::CategoryOfName((*it)[1].str()), xtr::CellIdOfName((*it)[2].str())});
        }
        for (const auto& [category, id] : listCells) {
            const int slot = xtr::CategoryListSlot(category);
            if (slot == 0) {
                continue;
            }
            const std::int32_t last = xtr::GeometryOf(slot).lastRow;
            for (std::int32_t row : {0, 1, last}) {
                if (row <= last) {
                    cells.push_back({category, id, row});
                }
            }
        }
    }

    xtr::cmcGTex texts;
    xtr::MemorySettings settings;
    xtr::LocalInstanceGuard guard;
    xtr::indEnviron env;
    Host host;
    xtr::fuzz::QuietMessages messages;
    xtr::cmcEeprom images[2];
    xtr::cmcEeprom before;
    std::vector<Cell> cells;
};

// Names the cell, the texts and the first changed byte before a failed check.
void Explain(const Cell& which, const std::string& typed, const xtr::CellEdit& edit, const xtr::cmcEeprom& now,
             const xtr::cmcEeprom& was)
{
    std::fprintf(stderr, "cell %d category %u row %d: typed '%s', shows '%s' (%s)\n", which.id, which.category,
                 which.row, typed.c_str(), edit.shown.c_str(), edit.reason.c_str());
    for (int32_t a = 0; a < now.Size(); ++a) {
        if (now.GetByte(a) != was.GetByte(a)) {
            std::fprintf(stderr, "first change at 0x%04X: %02X -> %02X\n", a, was.GetByte(a), now.GetByte(a));
            break;
        }
    }
}

void MakeCell(const Cell& which, xtr::cmcCellObj& cell)
{
    cell.Reset(nullptr);
    cell.category = which.category;
    cell.cellId = which.id;
    cell.index = which.row;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static Setup setup;
    if (size < 3) {
        return 0;
    }
    // Bytes 0 and 1: the cell; byte 2: the numbering and the answer to any
    // question the change asks; the rest: the text.
    const Cell& which = setup.cells[((data[0] << 8) | data[1]) % setup.cells.size()];
    const int variant = data[2] & 1;
    setup.messages.answerYes = (data[2] & 2) != 0;
    const std::string text(reinterpret_cast<const char*>(data + 3), size - 3);

    setup.env.modelType = static_cast<std::uint8_t>(variant);
    xtr::cmcEeprom& image = setup.host.CurrentImage();
    image.CopyFrom(setup.images[variant]);
    setup.host.ReferenceImage().CopyFrom(setup.images[variant]);
    setup.before.CopyFrom(image);

    xtr::cmcCellObj cell;
    MakeCell(which, cell);
    const xtr::CellEdit edit = xtr::EditCell(setup.host, cell, text);
    if (!edit.accepted) {
        if (!image.Equals(setup.before)) {
            Explain(which, text, edit, image, setup.before);
        }
        Require(image.Equals(setup.before), "a refused text leaves the image as it was");
        return 0;
    }
    const std::uint8_t* now = image.Data();
    const std::uint8_t* was = setup.before.Data();
    Require(std::memcmp(now + kCloneAreaEnd + 1, was + kCloneAreaEnd + 1,
                        static_cast<std::size_t>(image.Size() - kCloneAreaEnd - 1)) == 0,
            "a change stays inside the clone area");

    // A user-defined character shows its glyph, not the mask it holds: there
    // is no text to read back. The rows of the lists kept in order (block
    // channels, five-digit entries) move to their place after an entry, and
    // the row left behind shows another value.
    if (which.id == xtr::CL_CEdit || which.id == xtr::CL_NetBlock_FreqCH || which.id == xtr::CL_Pers5digit_chars) {
        return 0;
    }
    // A text for the radio's segment display shows the characters
    // themselves; its editor opens on them written with escapes.
    const bool segmentText = xtr::DisplayTextSlotOf(which.id) != nullptr || which.id == xtr::CL_DirM_Text ||
                             which.id == xtr::CL_CallSC_Text;
    const std::string retyped = segmentText ? xtr::SegEscape(edit.shown) : edit.shown;
    setup.before.CopyFrom(image);
    xtr::cmcCellObj again;
    MakeCell(which, again);
    const xtr::CellEdit reread = xtr::EditCell(setup.host, again, retyped);
    // A list cell may show an indication that is none of its items (the
    // query status "-" on a row that is not the query row): such a text is
    // refused as no item, and the image stays as it was.
    if (!reread.accepted && reread.unknownItem && image.Equals(setup.before)) {
        return 0;
    }
    if (!reread.accepted || reread.shown != edit.shown || !image.Equals(setup.before)) {
        Explain(which, text, edit, image, setup.before);
        std::fprintf(stderr, "stored again: shows '%s' (%s)\n", reread.shown.c_str(), reread.reason.c_str());
    }
    Require(reread.accepted, "the text a cell shows is taken again");
    Require(reread.shown == edit.shown, "the value reads back");
    Require(image.Equals(setup.before), "storing what the cell shows changes nothing");
    return 0;
}
