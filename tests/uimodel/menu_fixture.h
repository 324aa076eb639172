// What the menu, tool-bar and tree tests run on: a manual clock, an event
// manager, a small overlay written for the test and a cell host that
// records the commands the cells ask it to run.
#pragma once

#include "app/events.h"
#include "app/globals.h"
#include "support/fake_cell_host.h"
#include "support/manual_time.h"
#include "support/overlay_guard.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace xtr::test {

class CommandHost : public FakeCellHost {
public:
    using FakeCellHost::FakeCellHost;

    struct Command {
        AppCommand command;
        std::int32_t argument;
        std::string text;
    };

    bool RunCommand(AppCommand command, std::int32_t argument, const std::string& text) override
    {
        commands.push_back({command, argument, text});
        return available;
    }
    std::string RecentFileText(std::int32_t position) override
    {
        const auto found = recent.find(position);
        return found == recent.end() ? std::string() : found->second;
    }
    int EditMenuEntries() override { return editEntries; }

    std::vector<Command> commands;
    bool available = true;
    std::map<std::int32_t, std::string> recent;
    int editEntries = 0;
};

class MenuTest : public ::testing::Test {
protected:
    explicit MenuTest(const std::string& overlayText)
        : overlay_(OverlayGuard::FromText(overlayText + "#End\n")), host(overlay_->Store())
    {
        SetEvMan(&events);
    }
    ~MenuTest() override { SetEvMan(nullptr); }

    cmcGTex& Texts() { return overlay_->Store(); }

    ManualTimeGuard time;
    cmcEvMan events;

private:
    std::unique_ptr<OverlayGuard> overlay_;

protected:
    CommandHost host;
};

}  // namespace xtr::test
