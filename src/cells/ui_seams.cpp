#include "cells/ui_seams.h"

#include "app/fatal.h"

namespace xtr {
namespace {

CellHost* g_host = nullptr;
CellUi* g_ui = nullptr;

// Without a user interface there is nobody to show a list to.
class SilentCellUi : public CellUi {
public:
    void OpenDropDown(const cmcCellCapsule&, const std::string&, std::int32_t, std::int32_t) override {}
};

}  // namespace

cmcEeprom& CellHost::ReferenceImage()
{
    Fatal("No reference image.");
}

CellHost* SetCellHost(CellHost* host)
{
    CellHost* previous = g_host;
    g_host = host;
    return previous;
}

CellHost& TheCellHost()
{
    if (g_host == nullptr) {
        Fatal("No cell host installed.");
    }
    return *g_host;
}

bool HasCellHost()
{
    return g_host != nullptr;
}

CellUi* SetCellUi(CellUi* ui)
{
    CellUi* previous = g_ui;
    g_ui = ui;
    return previous;
}

CellUi& TheCellUi()
{
    static SilentCellUi silent;
    return g_ui != nullptr ? *g_ui : silent;
}

}  // namespace xtr
