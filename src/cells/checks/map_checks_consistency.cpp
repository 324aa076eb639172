// The check cells: each gathers the error and warning bits of a group of
// settings (the own numbers, a whole list, the set-mode conflicts) so that
// the main window can tell which sheet holds a fault without showing it.
// A check cell shows no text; its answer is in the result bits only.
#include "cells/cell_handlers_families.h"
#include "cells/active_cell.h"
#include "cells/categories.h"
#include "cells/cell_handlers.h"
#include "cells/cell_names.h"
#include "cells/map/map_variant.h"

#include <cstddef>
#include <cstdint>

namespace xtr {
namespace {

struct Consulted {
    std::uint32_t category;
    std::int32_t cellId;
};

struct CheckCell {
    std::int32_t id;
    // Only the Mpt firmware has these settings; the check is silent in Cps.
    bool mptOnly;
    // 0: the consulted cells stand alone; otherwise they are columns of a
    // list and rows 0..rows-1 are looked at.
    std::int32_t rows;
    // Unused places hold CL_Null (cell id 0).
    Consulted errorCells[5];
    Consulted warningCells[2];
};

constexpr std::uint32_t kNone = kCategoryNone;

const CheckCell kChecks[] = {
    {CL_Check_Person_Identity_Mpt, true, 0,
     {{kNone, CL_Person_OwnNumber_Mpt},
      {kNone, CL_Person_FleetInd},
      {kNone, CL_Person_LastInd},
      {kNone, CL_Person_FleetGrp},
      {kNone, CL_Person_LastGrp}},
     {}},
    {CL_Check_Person_CallRange_Mpt, true, 0, {{kNone, CL_Person_FleetInd}, {kNone, CL_Person_FleetGrp}}, {}},
    {CL_Check_Person_5Digit_Mpt, true, 40, {{CT_5Digit, CL_Pers5digit_fin}}, {}},
    {CL_Check_Call_Group, false, 16, {{CT_Groups, CL_CallGroup_Number}}, {}},
    {CL_Check_Call_Option, false, 0, {{kNone, CL_CallOp_DespatcherNumber}, {kNone, CL_CallOp_SdmNumber}}, {}},
    {CL_Check_Call_Emergency, false, 0, {{kNone, CL_CallEmer_EmergencyNumber}}, {}},
    {CL_Check_Network_BlockFreq, false, 40,
     {{CT_BlockFreq, CL_NetBlock_FreqCH}, {CT_BlockFreq, CL_NetBlock_FreqRx}, {CT_BlockFreq, CL_NetBlock_FreqTx}},
     {}},
    {CL_Check_Network_AAD, false, 100, {{CT_Aad, CL_Aad_Value}}, {}},
    {CL_Check_Hunt_Normal, false, 40, {{CT_HuntCh, CL_HuntNCh}}, {}},
    {CL_Check_Hunt_Pref, false, 4, {{CT_PrefNdd, CL_Ndd_Length}, {CT_PrefNdd, CL_Ndd_Value}}, {}},
    {CL_Check_SetMode_Scrm, false, 0, {{kNone, CL_Set_Scrambler}}, {{kNone, CL_Set_Horn}, {kNone, CL_Set_HornEnable}}},
};

// The consulted cells are asked about the image and lists the check itself
// was asked about, whatever host the check's own dispatch runs under.
class CallHost : public CellHost {
public:
    explicit CallHost(CellCall& call) : call_(call) {}
    cmcEeprom& CurrentImage() override { return call_.image; }
    cmcFCache& SelectionLists() override { return call_.lists; }
    // Showing a cell with key 0 changes nothing.
    void ImageChanged() override {}
    cmcEeprom& ReferenceImage() override
    {
        return HasCellHost() ? TheCellHost().ReferenceImage() : CellHost::ReferenceImage();
    }

private:
    CellCall& call_;
};

template <std::size_t N>
bool AnyError(indActiveCell& cells, const Consulted (&consulted)[N], std::int32_t row)
{
    for (const Consulted& c : consulted) {
        if (c.cellId == CL_Null) {
            break;
        }
        if (cells.ErrorOf(c.category, c.cellId, row)) {
            return true;
        }
    }
    return false;
}

template <std::size_t N>
bool AnyWarning(indActiveCell& cells, const Consulted (&consulted)[N])
{
    for (const Consulted& c : consulted) {
        if (c.cellId == CL_Null) {
            break;
        }
        if (cells.WarningOf(c.category, c.cellId, 0)) {
            return true;
        }
    }
    return false;
}

void RunCheck(CellCall& call)
{
    const CheckCell& check = call.Data<CheckCell>();
    if (check.mptOnly && CpsVariant()) {
        return;
    }
    CallHost host(call);
    indActiveCell cells(host);
    bool error = false;
    if (check.rows == 0) {
        error = AnyError(cells, check.errorCells, 0);
    } else {
        // The first faulty row is enough to mark the sheet.
        for (std::int32_t row = 0; row < check.rows && !error; ++row) {
            error = AnyError(cells, check.errorCells, row);
        }
    }
    if (error) {
        call.rq.SetError();
    }
    if (AnyWarning(cells, check.warningCells)) {
        call.rq.SetWarning();
    }
}

}  // namespace

void RegisterCheckCells(CellRegistry& registry)
{
    for (const CheckCell& check : kChecks) {
        registry.Register(check.id, RunCheck, &check);
    }
}

}  // namespace xtr
