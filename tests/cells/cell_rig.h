// A small world for cell tests: an overlay written from text, a host with
// its own image and list cache, a recording user interface and canvas, and
// a registry the test binds its cells into. Requests are made as the grid
// makes them (interactive) unless a test says otherwise.
#pragma once

#include "cells/active_cell.h"
#include "cells/cell_handlers.h"
#include "support/fake_cell_host.h"
#include "support/overlay_guard.h"
#include "support/scripted_cell_ui.h"
#include "support/scripted_messages.h"

#include <memory>
#include <string>

namespace xtr::test {

class CellRig {
public:
    explicit CellRig(const std::string& overlayText)
        : overlay_(OverlayGuard::FromText(overlayText)), host(overlay_->Store())
    {
    }

    cmcEeprom& Image() { return host.CurrentImage(); }
    std::uint8_t* At(std::int32_t address) { return Image().Data() + address; }

    // A request for the cell (category, id, index) as the grid sends it.
    cmcCellCapsule& Request(std::int32_t id, std::int32_t index = 0, std::uint32_t category = kCategoryNone)
    {
        cell.Reset(nullptr);
        cell.category = category;
        cell.cellId = id;
        cell.index = index;
        rq.Reset();
        rq.cell = &cell;
        rq.grid = &gridToken_;
        rq.canvas = &canvas;
        return rq;
    }

    // Dispatches the last request; the editor kind.
    int Run(bool notify = true)
    {
        indActiveCell handler(host, registry);
        editor = handler.Dispatch(rq, notify);
        return editor;
    }

    // Shorthands: show, press a key, store a typed text.
    const std::string& Show(std::int32_t id, std::int32_t index = 0, std::uint32_t category = kCategoryNone)
    {
        Request(id, index, category);
        Run();
        return rq.displayText;
    }
    const std::string& Key(std::int32_t id, std::int32_t key, std::int32_t index = 0,
                           std::uint32_t category = kCategoryNone)
    {
        Request(id, index, category).key = key;
        Run();
        return rq.displayText;
    }
    const std::string& Commit(std::int32_t id, const std::string& text, std::int32_t index = 0,
                              std::uint32_t category = kCategoryNone)
    {
        Request(id, index, category);
        rq.commitMode = cellcommit::kStore;
        rq.editText = text;
        Run();
        return rq.displayText;
    }

private:
    std::unique_ptr<OverlayGuard> overlay_;
    int gridToken_ = 0;

public:
    FakeCellHost host;
    ScriptedCellUi ui;
    ScriptedMessages messages;
    RecordingCellCanvas canvas;
    CellRegistry registry;
    cmcCellObj cell;
    cmcCellCapsule rq;
    int editor = 0;
};

// A request from a grid on a bare cell, for codecs driven directly.
struct GridRequest {
    GridRequest() { Fresh(); }
    GridRequest(const GridRequest&) = delete;
    GridRequest& operator=(const GridRequest&) = delete;

    cmcCellCapsule& Fresh()
    {
        rq.Reset();
        rq.cell = &cell;
        rq.grid = &gridToken;
        rq.canvas = &canvas;
        editor = 0;
        return rq;
    }
    cmcCellCapsule& Key(std::int32_t key)
    {
        Fresh().key = key;
        return rq;
    }
    cmcCellCapsule& Typed(const std::string& text)
    {
        Fresh().commitMode = cellcommit::kStore;
        rq.editText = text;
        return rq;
    }

    int gridToken = 0;
    cmcCellObj cell;
    RecordingCellCanvas canvas;
    cmcCellCapsule rq;
    int editor = 0;
};

}  // namespace xtr::test
