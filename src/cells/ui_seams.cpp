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

void SetCellHost(CellHost* host)
{
    g_host = host;
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

void SetCellUi(CellUi* ui)
{
    g_ui = ui;
}

CellUi& TheCellUi()
{
    static SilentCellUi silent;
    return g_ui != nullptr ? *g_ui : silent;
}

}  // namespace xtr
