// A main window for tests of the application object: it records what it is
// told and answers from plain fields.
#pragma once

#include "app/main/main_form.h"
#include "support/recording_menu_view.h"
#include "support/recording_tool_bar_view.h"
#include "support/recording_tree_view.h"

#include <memory>
#include <string>
#include <vector>

namespace xtr::test {

class FakeMainForm : public MainForm {
public:
    void SetTitle(const std::string& text) override { title = text; }
    void BuildPanels(int leftWidth, int splitterMinimum) override
    {
        panelsBuilt = true;
        leftPanelWidth = leftWidth;
        splitterMin = splitterMinimum;
    }
    int LeftPanelWidth() const override { return leftPanelWidth; }
    void BuildStatusBar() override
    {
        statusBarBuilt = true;
        panelWidths = {statusBarWidth, 0};
    }
    int StatusBarWidth() const override { return statusBarWidth; }
    int StatusPanelCount() const override { return static_cast<int>(panelWidths.size()); }
    int StatusPanelWidth(int panel) const override { return panelWidths.at(static_cast<size_t>(panel)); }
    void SetStatusPanelWidth(int panel, int width) override { panelWidths.at(static_cast<size_t>(panel)) = width; }
    // Every character is 7 pixels wide in this fake.
    int MeasureStatusText(const std::string& text) const override { return 7 * static_cast<int>(text.size()); }
    void RepaintStatusBar() override { ++statusRepaints; }
    void Show() override { shown = true; }
    bool IsShown() const override { return shown; }
    bool IsEnabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }
    Rect NormalBounds() const override { return normalBounds; }
    void ShowAbout() override { ++aboutBoxes; }
    MenuView& MainMenuView() override { return menu; }
    ToolBarView& MainToolBarView() override { return toolBar; }
    // The tree view lives with the application's tree; the fake keeps the
    // address of the newest one for tests that look at it.
    std::unique_ptr<TreeView> CreateTreeView() override
    {
        auto view = std::make_unique<RecordingTreeView>();
        tree = view.get();
        ++treeViews;
        return view;
    }

    std::string title;
    bool panelsBuilt = false;
    int leftPanelWidth = 0;
    int splitterMin = 0;
    bool statusBarBuilt = false;
    int statusBarWidth = 640;
    std::vector<int> panelWidths;
    int statusRepaints = 0;
    bool shown = false;
    bool enabled = true;
    Rect normalBounds{10, 20, 810, 620};
    int aboutBoxes = 0;
    RecordingMenuView menu;
    RecordingToolBarView toolBar;
    RecordingTreeView* tree = nullptr;
    int treeViews = 0;
};

}  // namespace xtr::test
