// Binds the MPT1327 number cells to their handlers: prefixes, own numbers,
// despatcher, SDM and emergency numbers, call ranges, call groups, fleets,
// fleet counts, 5-digit entries and the directory dial strings.
#include "cells/cell_handlers.h"
#include "cells/cell_handlers_families.h"
#include "cells/cell_names.h"
#include "cells/numbering/mpt_cells_handlers.h"
#include "cells/numbering/mpt_layout.h"
#include "cells/numbering/mpt_num.h"

namespace xtr {
namespace {

using namespace mptcell;

const PrefixCell kOwnPrefix{mptmap::kOwnPrefix, false};
const PrefixCell kDespatcherPrefix{mptmap::kDespatcherPrefix, true};
const PrefixCell kSdmPrefix{mptmap::kSdmPrefix, true};
const PrefixCell kEmergencyPrefix{mptmap::kEmergencyPrefix, true};

const NumberCell kOwnNumber{mptmap::kOwnNumber, kMptIndividual, -1, false, false};
const NumberCell kDespatcher{mptmap::kDespatcherNumber, kMptEither, mptmap::kDespatcherKindShift, true, false};
const NumberCell kSdm{mptmap::kSdmNumber, kMptEither, mptmap::kSdmKindShift, true, false};
const NumberCell kEmergency{mptmap::kEmergencyNumber, kMptEither, mptmap::kEmergencyKindShift, true, false};

const RangeCell kRangeIndMin{mptmap::kCallRangeIndividual, kMptIndividual, false, CL_Person_CRangeInd_Max};
const RangeCell kRangeIndMax{mptmap::kCallRangeIndividual, kMptIndividual, true, CL_Person_CRangeInd_Min};
const RangeCell kRangeGrpMin{mptmap::kCallRangeGroup, kMptGroup, false, CL_Person_CRangeGrp_Max};
const RangeCell kRangeGrpMax{mptmap::kCallRangeGroup, kMptGroup, true, CL_Person_CRangeGrp_Min};

const FleetBaseCell kFleetInd{BaseOf::Individuals};
const FleetBaseCell kFleetGrp{BaseOf::Groups};
const FleetBaseCell kFiveDigitFinal{BaseOf::FiveDigitEntry};
const LastIfnCell kLastInd{kMptIndividual};
const LastIfnCell kLastGrp{kMptGroup};

const DefaultFleetCell kDefaultIndFleet{mptmap::kDefaultIndividualFleet, kMptIndividual};
const DefaultFleetCell kDefaultGrpFleet{mptmap::kDefaultGroupFleet, kMptGroup};

const FleetCountCell kLargeFleet{0};
const FleetCountCell kMiddleFleet{1};
const FleetCountCell kSmallFleet{2};

}  // namespace

void RegisterMptNumberCells(CellRegistry& registry)
{
    registry.Register(CL_Person_OwnPrefix, PrefixHandler, &kOwnPrefix);
    registry.Register(CL_CallOp_DespatcherPfix_Cps, PrefixHandler, &kDespatcherPrefix);
    registry.Register(CL_CallOp_SdmPfix_Cps, PrefixHandler, &kSdmPrefix);
    registry.Register(CL_CallEmer_EmergencyPfix_Cps, PrefixHandler, &kEmergencyPrefix);

    registry.Register(CL_Person_OwnNumber_Mpt, MptOwnFleetHandler, &kOwnNumber);
    registry.Register(CL_Person_OwnNumber_Cps, CpsNumberHandler, &kOwnNumber);
    registry.Register(CL_CallOp_DespatcherNumber, DualSchemeNumberHandler, &kDespatcher);
    registry.Register(CL_CallOp_SdmNumber, DualSchemeNumberHandler, &kSdm);
    registry.Register(CL_CallEmer_EmergencyNumber, DualSchemeNumberHandler, &kEmergency);

    registry.Register(CL_Person_CRangeInd_Min, CallRangeHandler, &kRangeIndMin);
    registry.Register(CL_Person_CRangeInd_Max, CallRangeHandler, &kRangeIndMax);
    registry.Register(CL_Person_CRangeGrp_Min, CallRangeHandler, &kRangeGrpMin);
    registry.Register(CL_Person_CRangeGrp_Max, CallRangeHandler, &kRangeGrpMax);

    registry.Register(CL_CallGroup_Number, GroupNumberHandler);

    registry.Register(CL_Person_FleetInd, FleetBaseHandler, &kFleetInd);
    registry.Register(CL_Person_FleetGrp, FleetBaseHandler, &kFleetGrp);
    registry.Register(CL_Person_LastInd, LastIfnHandler, &kLastInd);
    registry.Register(CL_Person_LastGrp, LastIfnHandler, &kLastGrp);
    registry.Register(CL_Pers5digit_fin, FleetBaseHandler, &kFiveDigitFinal);
    registry.Register(CL_Pers5digit_chars, IfnStartHandler);

    registry.Register(CL_Person_DefaultIndFleet, DefaultFleetHandler, &kDefaultIndFleet);
    registry.Register(CL_Person_DefaultGrpFleet, DefaultFleetHandler, &kDefaultGrpFleet);

    registry.Register(CL_NetFleet_LargeFleet, FleetCountHandler, &kLargeFleet);
    registry.Register(CL_NetFleet_MiddleFleet, FleetCountHandler, &kMiddleFleet);
    registry.Register(CL_NetFleet_SmallFleet, FleetCountHandler, &kSmallFleet);

    registry.Register(CL_DirM_Number, DialStringHandler);
}

}  // namespace xtr
