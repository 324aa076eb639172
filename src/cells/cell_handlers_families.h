// The registration functions of the cell families, one per file.
#pragma once

namespace xtr {

class CellRegistry;

// Free labels (Flex0, FlexDtcs) and the cells that are named but not built
// yet ("%d *Yet*").
void RegisterLabelCells(CellRegistry& registry);

// MPT1327 numbers: prefixes, own numbers, despatcher, SDM and emergency
// numbers, call ranges and groups, fleets, fleet counts, 5-digit entries and
// directory dial strings.
void RegisterMptNumberCells(CellRegistry& registry);
void RegisterListCells(CellRegistry& registry);  // list rows, row commands and list columns
void RegisterDisplayTextCells(CellRegistry& registry);  // opening text, messages, list texts, own characters
void RegisterCheckCells(CellRegistry& registry);  // the consistency checks over groups of cells
void RegisterImageMapCells(CellRegistry& registry);  // menus, selections, numbers, timers: the settings outside the lists

}  // namespace xtr
