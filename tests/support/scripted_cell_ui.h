// Fakes of the user-interface seams of the cells: a user interface that
// records the drop-down lists the cells open (and installs itself for its
// lifetime), and a canvas that keeps the text colour a cell chose.
#pragma once

#include "cells/cell_capsule.h"
#include "cells/cell_names.h"
#include "cells/ui_seams.h"

#include <string>
#include <vector>

namespace xtr::test {

class ScriptedCellUi : public CellUi {
public:
    struct DropDown {
        std::int32_t askingCell;  // cell id of the request, kCellNone when none
        std::string list;
        std::int32_t itemCell;
        std::int32_t value;
    };

    ScriptedCellUi() : previous_(SetCellUi(this)) {}
    ~ScriptedCellUi() override { SetCellUi(previous_); }
    ScriptedCellUi(const ScriptedCellUi&) = delete;
    ScriptedCellUi& operator=(const ScriptedCellUi&) = delete;

    void OpenDropDown(const cmcCellCapsule& request, const std::string& list, std::int32_t itemCell,
                      std::int32_t value) override
    {
        opened.push_back({request.cell != nullptr ? request.cell->cellId : kCellNone, list, itemCell, value});
    }

    std::vector<DropDown> opened;

private:
    CellUi* previous_;
};

class RecordingCellCanvas : public CellCanvas {
public:
    void SetTextColor(Color c) override
    {
        color = c;
        ++changes;
    }
    Color TextColor() const override { return color; }

    Color color = 0x80000008;  // clWindowText until a cell chooses
    int changes = 0;
};

}  // namespace xtr::test
