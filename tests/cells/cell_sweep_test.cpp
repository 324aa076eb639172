// Every cell of the program shown on every row of its list over both
// factory images: no request may end the program, touch the image or
// raise a message box just to show a value.
#include "cells/categories.h"
#include "cells/cell_names.h"
#include "cells/lists/list_geometry.h"
#include "factory_image_fixture.h"

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <utility>

namespace xtr::test {
namespace {

// The (category, cell) pairs the shipped overlay's descriptions place in
// lists, as "CT_Conv.CL_PersConv_FreqRx".
std::set<std::pair<std::uint32_t, std::int32_t>> ListCellsOfOverlay()
{
    std::ifstream file(std::string(XTR_SOURCE_DATA_DIR) + "/XTR450.OVL", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string all = text.str();
    std::set<std::pair<std::uint32_t, std::int32_t>> cells;
    const std::regex reference(R"((CT_[A-Za-z0-9_]+)\.(CL_[A-Za-z0-9_]+))");
    for (auto it = std::sregex_iterator(all.begin(), all.end(), reference); it != std::sregex_iterator(); ++it) {
        cells.insert({CategoryOfName((*it)[1].str()), CellIdOfName((*it)[2].str())});
    }
    return cells;
}

class CellSweep : public FactoryImage, public ::testing::WithParamInterface<int> {};

TEST_P(CellSweep, EveryCellShowsOnEveryRowWithoutSideEffects)
{
    Load(GetParam());
    cmcEeprom before;
    before.SetSize(host.CurrentImage().Size());
    before.CopyFrom(host.CurrentImage());

    int asked = 0;
    for (std::int32_t id = 0; id < kCellCount; ++id) {
        ResultOf(id);
        ++asked;
    }
    const auto listCells = ListCellsOfOverlay();
    EXPECT_GT(listCells.size(), 30u);
    for (const auto& [category, id] : listCells) {
        const int slot = CategoryListSlot(category);
        if (slot == 0) {
            continue;
        }
        const ListGeometry& geometry = GeometryOf(slot);
        for (std::int32_t row = 0; row <= geometry.lastRow; ++row) {
            ResultOf(id, row, category);
            ++asked;
        }
    }
    EXPECT_GT(asked, 1000);
    EXPECT_TRUE(host.CurrentImage().Equals(before)) << "showing a cell changed the image";
    EXPECT_TRUE(messages.asked.empty()) << "showing a cell raised: " << messages.asked.front().text;
    EXPECT_EQ(host.imageChanged, 0);
}

INSTANTIATE_TEST_SUITE_P(BothVariants, CellSweep, ::testing::Values(kVariantMpt, kVariantCps));

}  // namespace
}  // namespace xtr::test
