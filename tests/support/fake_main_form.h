// A main window for tests of the application object: it records what it is
// told and answers from plain fields.
#pragma once

#include "app/main/main_form.h"
#include "app/transfer_settings.h"
#include "settings/setting_diff.h"
#include "support/recording_menu_view.h"
#include "support/recording_tool_bar_view.h"
#include "support/recording_tree_view.h"

#include <deque>
#include <memory>
#include <optional>
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

    // The file dialogs answer from these queues, the oldest first; an empty
    // answer or an empty queue is Cancel.
    bool AskOpenFileName(const std::string& extension, const std::string& filter, const std::string& directory,
                         std::string& path) override
    {
        dialogs.push_back({false, extension, filter, directory, {}});
        return Answer(openAnswers, path);
    }
    bool AskSaveFileName(const std::string& extension, const std::string& filter, const std::string& directory,
                         const std::string& name, std::string& path) override
    {
        dialogs.push_back({true, extension, filter, directory, name});
        return Answer(saveAnswers, path);
    }
    void Close() override { ++closeRequests; }
    void ShowCloneInformation() override { ++cloneInfoWindows; }
    bool OpenHelp(const std::string& path) override
    {
        helpOpened.push_back(path);
        return helpOpens;
    }
    // The backup list answers with the front of backupAnswers (-1 or an
    // empty queue: Cancel); the transfer options with the front of
    // optionAnswers (nullopt or an empty queue: Cancel).
    bool ChooseBackup(const std::vector<std::string>& items, int& chosen) override
    {
        backupLists.push_back(items);
        if (backupAnswers.empty() || backupAnswers.front() < 0) {
            if (!backupAnswers.empty()) {
                backupAnswers.pop_front();
            }
            return false;
        }
        chosen = backupAnswers.front();
        backupAnswers.pop_front();
        return true;
    }
    void ShowComparison(const std::string& file, const std::vector<SettingDifference>& differences) override
    {
        comparisons.push_back({file, differences});
    }
    bool AskTransferSettings(TransferSettings& settings) override
    {
        optionsShown.push_back(settings);
        if (optionAnswers.empty()) {
            return false;
        }
        const std::optional<TransferSettings> answer = optionAnswers.front();
        optionAnswers.pop_front();
        if (!answer) {
            return false;
        }
        settings = *answer;
        return true;
    }
    struct Comparison {
        std::string file;
        std::vector<SettingDifference> differences;
    };
    std::deque<int> backupAnswers;
    std::vector<std::vector<std::string>> backupLists;
    std::vector<Comparison> comparisons;
    std::deque<std::optional<TransferSettings>> optionAnswers;
    std::vector<TransferSettings> optionsShown;

    std::vector<std::string> helpOpened;
    bool helpOpens = true;
    int cloneInfoWindows = 0;

    struct FileDialog {
        bool save;
        std::string extension;
        std::string filter;
        std::string directory;
        std::string name;
    };
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    std::vector<FileDialog> dialogs;
    int closeRequests = 0;

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

private:
    static bool Answer(std::deque<std::string>& answers, std::string& path)
    {
        if (answers.empty()) {
            return false;
        }
        const std::string answer = answers.front();
        answers.pop_front();
        if (answer.empty()) {
            return false;
        }
        path = answer;
        return true;
    }
};

}  // namespace xtr::test
