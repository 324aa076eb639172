// A stage for the cells of the image map: the shipped overlay, a host with
// its own image that records the commands it is asked to run, the settings
// store with the numbering variant, and a registry holding only the image
// map's cells. Requests go through the real dispatch as the grid makes
// them.
#pragma once

#include "app/environ.h"
#include "app/globals.h"
#include "app/local_instance_guard.h"
#include "app/text_util.h"
#include "app/memory_settings.h"
#include "cells/active_cell.h"
#include "cells/cell_handlers.h"
#include "cells/cell_handlers_families.h"
#include "overlay/gtex.h"
#include "support/fake_cell_host.h"
#include "support/overlay_guard.h"
#include "support/scripted_cell_ui.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace xtr::test {

class MapHost : public FakeCellHost {
public:
    using FakeCellHost::FakeCellHost;

    struct Ran {
        AppCommand command;
        std::int32_t argument;
        std::string text;
    };

    bool RunCommand(AppCommand command, std::int32_t argument, const std::string& text) override
    {
        ran.push_back({command, argument, text});
        return commandsRun;
    }
    bool CanPrintCurrent() override { return canPrint; }
    std::string RecentFileText(std::int32_t position) override
    {
        return position >= 0 && position < static_cast<std::int32_t>(recent.size()) ? recent[position] : "";
    }
    int EditMenuEntries() override { return editEntries; }
    bool CloneInfoText(CloneInfoItem item, std::int32_t index, std::string& text) override
    {
        asked.push_back({item, index});
        if (!identified) {
            return false;
        }
        text = Format("item %d index %d", static_cast<int>(item), index);
        return true;
    }

    bool commandsRun = true;
    std::vector<Ran> ran;
    bool canPrint = false;
    std::vector<std::string> recent;
    int editEntries = 0;
    bool identified = false;
    std::vector<std::pair<CloneInfoItem, std::int32_t>> asked;
};

class MapCells : public ::testing::Test {
protected:
    MapCells()
        : overlay_(OverlayGuard::Shipped()),
          env_(std::make_unique<indEnviron>(kEnvironGuardName, kEnvironPerUserKey,
                                            EnvironServices{&settings_, &guard_, ScreenSize{1024, 768}})),
          host(overlay_->Store())
    {
        previousEnv_ = SetEnv(env_.get());
        RegisterImageMapCells(registry);
        UseCps(false);
    }
    indEnviron* previousEnv_ = nullptr;  // put back on destruction
    ~MapCells() override { SetEnv(previousEnv_); }

    void UseCps(bool cps) { env_->modelType = cps ? 1 : 0; }
    indEnviron& Settings() { return *env_; }

    std::uint8_t& At(std::int32_t address) { return host.CurrentImage().Data()[address]; }
    std::uint32_t Word(std::int32_t address) { return (At(address) << 8) | At(address + 1); }
    void SetWord(std::int32_t address, std::uint32_t value)
    {
        At(address) = static_cast<std::uint8_t>(value >> 8);
        At(address + 1) = static_cast<std::uint8_t>(value);
    }
    std::string Ovl(const char* key, int line = 0) { return GTex().Text(key, line); }

    // A request for cell (id, index, category) as the grid makes it.
    cmcCellCapsule& Request(std::int32_t id, std::int32_t index = 0, std::uint32_t category = kCategoryNone)
    {
        cell.Reset(nullptr);
        cell.cellId = id;
        cell.index = index;
        cell.category = category;
        rq.Reset();
        rq.cell = &cell;
        rq.grid = &gridToken_;
        rq.canvas = &canvas;
        canvas.color = 0x80000008;
        return rq;
    }
    const std::string& Run()
    {
        indActiveCell active(host, registry);
        editor = active.Dispatch(rq, true);
        return rq.displayText;
    }

    const std::string& Show(std::int32_t id, std::int32_t index = 0)
    {
        Request(id, index);
        return Run();
    }
    const std::string& Press(std::int32_t id, std::int32_t key, std::int32_t index = 0)
    {
        Request(id, index).key = key;
        return Run();
    }
    const std::string& Type(std::int32_t id, const std::string& text, std::int32_t index = 0)
    {
        Request(id, index).commitMode = cellcommit::kStore;
        rq.editText = text;
        return Run();
    }
    // The user picks the item of `value` from the cell's drop-down list.
    const std::string& Choose(std::int32_t id, std::int32_t value, std::int32_t index = 0)
    {
        item_.Reset(nullptr);
        item_.cellId = Flex0;
        item_.index = value;
        owner_.Reset();
        owner_.cell = &item_;
        Request(id, index).owner = &owner_;
        rq.commitMode = cellcommit::kPreview;
        return Run();
    }

    // Repaint criteria of the last request.
    static void Note(void* context, const cmcCellCapsule&, std::uint32_t scope)
    {
        *static_cast<std::uint32_t*>(context) = scope;
    }
    std::uint32_t ScopeOf(cmcCellCapsule& request)
    {
        std::uint32_t scope = 0;
        request.changeNotify = &MapCells::Note;
        request.changeContext = &scope;
        Run();
        return scope;
    }

private:
    std::unique_ptr<OverlayGuard> overlay_;
    MemorySettings settings_;
    LocalInstanceGuard guard_;
    std::unique_ptr<indEnviron> env_;
    int gridToken_ = 0;
    cmcCellObj item_;
    cmcCellCapsule owner_;

protected:
    MapHost host;
    ScriptedCellUi ui;
    ScriptedMessages messages;
    RecordingCellCanvas canvas;
    CellRegistry registry;
    cmcCellObj cell;
    cmcCellCapsule rq;
    int editor = 0;
};

}  // namespace xtr::test
