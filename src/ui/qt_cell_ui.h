// The user interface as the cells see it in the desktop program: a cell
// whose value is chosen from a list opens a drop-down list beside it.
#pragma once

#include "cells/ui_seams.h"

namespace xtr::ui {

class QtCellUi : public CellUi {
public:
    void OpenDropDown(const cmcCellCapsule& request, const std::string& listName, std::int32_t cellId,
                      std::int32_t value) override;
};

}  // namespace xtr::ui
