#include "cells/cell_capsule.h"

namespace xtr {

void cmcCellCapsule::Reset()
{
    owner = nullptr;
    control = nullptr;
    grid = nullptr;
    cell = nullptr;
    canvas = nullptr;
    rectangle = nullptr;
    selStart = 0;
    selLength = 0;
    key = cellkey::kNone;
    popupCommand = 0;
    editText.clear();
    displayText.clear();
    result = 0;
    markerPosition = 0;
    refusal = nullptr;
    commitMode = cellcommit::kNone;
    redirect = false;
    redirectCategory = 0;
    redirectCellId = 0;
    redirectIndex = 0;
    redirectKey = 0;
    changeNotify = nullptr;
    changeContext = nullptr;
    editorRefresh = nullptr;
    editorContext = nullptr;
}

void cmcCellCapsule::Refuse(const char* reason)
{
    if (commitMode != cellcommit::kStore || editText.find_first_not_of(" \t\r\n") == std::string::npos) {
        return;
    }
    result |= cellresult::kRefused | cellresult::kError;
    refusal = reason;
}

void cmcCellCapsule::RedirectTo(std::uint32_t category, std::int32_t cellId, std::int32_t index, std::int32_t key)
{
    redirect = true;
    redirectCategory = category;
    redirectCellId = cellId;
    redirectIndex = index;
    redirectKey = key;
}

}  // namespace xtr
