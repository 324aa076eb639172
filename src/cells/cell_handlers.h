// The cell-specific half of the dispatch: a table from cell id to the
// function that shows, edits or executes that cell. Each family of cells
// (timers, selections, channels, menus ...) lives in a file of its own that
// binds its cells in one registration function; the families are listed in
// cell_handlers.cpp. A cell that no family binds answers with nothing.
#pragma once

#include "cells/cell_capsule.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace xtr {

class cmcEeprom;
class cmcFCache;
class CellHost;
class CellRegistry;

// ---------------------------------------------------------------------------
// Seam to the list rows. The row record of the image's lists (with its
// loading, storing and the row clipboard commands) is built on top of this:
// it derives from CellRecord and installs its hooks with
// CellRegistry::SetListHooks from its family registration.
class CellRecord {
public:
    virtual ~CellRecord() = default;
    // Clears the record and loads row `row` of list slot `slot` (1..14).
    virtual void Load(int slot, std::int32_t row) = 0;
    virtual int Slot() const = 0;
    virtual std::int32_t Row() const = 0;
    // The row holds an entry.
    virtual bool InUse() const = 0;
    // A new entry may be made on this row (for a packed list: the row is at
    // most the count; always for the other lists).
    virtual bool Appendable() const = 0;
};

struct CellCall;

struct CellListHooks {
    // A record bound to the image, not loaded yet.
    std::unique_ptr<CellRecord> (*createRecord)(cmcEeprom& image) = nullptr;
    // Runs the row command (CL_PMenu_Copy .. CL_PMenu_Insert) on the loaded
    // record of call.
    void (*popupCommand)(CellCall& call, std::int32_t command) = nullptr;
};
// ---------------------------------------------------------------------------

// Everything a cell handler works with during one dispatch.
struct CellCall {
    cmcCellCapsule& rq;
    cmcEeprom& image;
    cmcFCache& lists;
    // The loaded row of the cell's list (or, for a pop-up menu cell, of the
    // list under the menu); null for cells outside lists.
    CellRecord* record = nullptr;
    // The table row the handler was bound with.
    const void* data = nullptr;
    // celleditor::kNone, kDropDown or kInPlace.
    int editorKind = celleditor::kNone;

    const cmcCellObj& Cell() const { return *rq.cell; }
    bool Interactive() const { return rq.Interactive(); }
    template <typename T>
    const T& Data() const { return *static_cast<const T*>(data); }

    // Repaint criteria beyond the common ones (cellscope bits).
    void AddScope(std::uint32_t bits) { scopeAdded |= bits; }
    // Replaces the repaint criteria of this request altogether.
    void SetScope(std::uint32_t bits)
    {
        scopeSet = true;
        scopeReplaced = bits;
    }

    std::uint32_t scopeAdded = 0;
    bool scopeSet = false;
    std::uint32_t scopeReplaced = 0;
};

using CellHandler = void (*)(CellCall& call);

struct CellBinding {
    CellHandler handler = nullptr;
    const void* data = nullptr;
};

class CellRegistry {
public:
    CellRegistry();

    // Binds a cell id to its handler and table row. Binding an id twice, or
    // an id outside the cell table, is a fault of the build and fatal.
    void Register(std::int32_t id, CellHandler handler, const void* data = nullptr);
    // The binding of id, or null.
    const CellBinding* Find(std::int32_t id) const;

    // Cells the dispatch answers: bound ones and those that answer with
    // nothing on purpose.
    bool IsAnswered(std::int32_t id) const;
    // The ids of the cell table that nothing answers yet.
    std::vector<std::int32_t> Unanswered() const;

    void SetListHooks(const CellListHooks& hooks) { listHooks_ = hooks; }
    const CellListHooks& ListHooks() const { return listHooks_; }

private:
    std::vector<CellBinding> bindings_;
    CellListHooks listHooks_;
};

// A family registration function.
using CellFamily = void (*)(CellRegistry& registry);

// Fills registry with every family of the program.
void RegisterAllCells(CellRegistry& registry);

// The program's registry, filled once on first use.
const CellRegistry& DefaultCellRegistry();

}  // namespace xtr
