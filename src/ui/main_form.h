// TForm1: the desktop program's main window. It builds itself from the
// overlay and the settings, hands itself to the application object and then
// shows what the application object tells it to show.
#pragma once

#include "app/main/main_form.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>

#include <memory>

class QFrame;
class QLabel;
class QSplitter;

namespace xtr {
class cmcTask;
}

namespace xtr::ui {

class QtMenuView;
class QtToolBarView;
class QtMarkerImages;
class PortMenuSection;
class SheetPanel;
class StatusBar;

class TForm1 : public QMainWindow, public MainForm {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    const QList<QPixmap>& TreeImages() const { return treeImages_; }
    const QList<QPixmap>& ToolBarImages() const { return toolBarImages_; }
    QFrame* LeftPanel() const { return leftPanel_; }
    QFrame* RightPanel() const { return rightPanel_; }

    // MainForm
    void SetTitle(const std::string& title) override;
    void BuildPanels(int leftWidth, int splitterMinimum) override;
    int LeftPanelWidth() const override;
    void BuildStatusBar() override;
    int StatusBarWidth() const override;
    int StatusPanelCount() const override;
    int StatusPanelWidth(int panel) const override;
    void SetStatusPanelWidth(int panel, int width) override;
    int MeasureStatusText(const std::string& text) const override;
    void RepaintStatusBar() override;
    void Show() override;
    bool IsShown() const override;
    bool IsEnabled() const override;
    void SetEnabled(bool enabled) override;
    Rect NormalBounds() const override;
    void ShowAbout() override;
    MenuView& MainMenuView() override;
    ToolBarView& MainToolBarView() override;
    std::unique_ptr<TreeView> CreateTreeView() override;

    QtMenuView& MenuViewOfBar() const { return *menuView_; }
    QtToolBarView& ToolBarViewOfWindow() const { return *toolBarView_; }
    bool ShowSheet(const std::string& reference, const SheetPosition& saved) override;
    void ShowEmptyPage(const std::string& caption) override;
    void CloseSheet() override;
    bool ShownSheetPosition(SheetPosition& position) const override;
    MarkerImages* Markers() override;
    bool AskOpenFileName(const std::string& defaultExtension, const std::string& filter, const std::string& directory,
                         std::string& path) override;
    bool AskSaveFileName(const std::string& defaultExtension, const std::string& filter, const std::string& directory,
                         const std::string& name, std::string& path) override;
    void Close() override;
    bool OpenHelp(const std::string& path) override;
    CloneProgressView* ProgressView() override;
    void ShowCloneInformation() override;
    // The dialogs of the backups, the comparison and the transfer options
    // (main_form_settings.cpp).
    bool ChooseBackup(const std::vector<std::string>& items, int& chosen) override;
    void ShowComparison(const std::string& file, const std::vector<SettingDifference>& differences) override;
    bool AskTransferSettings(TransferSettings& settings) override;
    // The progress window of transfers, made at the first one.
    class ProgressWindow* TransferWindow() const { return progress_; }

    // The page shown in the right panel, or null.
    SheetPanel* Page() const { return page_; }
    // The system's serial ports in the Port menu, null when the menu has
    // no numbered ports to put them beside.
    PortMenuSection* PortSection() const { return portSection_.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    // A clone file dropped on the window is opened like one chosen in the
    // open dialog.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPixmap> treeImages_;
    QList<QPixmap> toolBarImages_;
    QSplitter* splitter_ = nullptr;
    QFrame* leftPanel_ = nullptr;
    QFrame* rightPanel_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    std::unique_ptr<QtMenuView> menuView_;
    std::unique_ptr<QtToolBarView> toolBarView_;
    cmcTask* task_ = nullptr;
    std::unique_ptr<QtMarkerImages> markers_;
    SheetPanel* page_ = nullptr;
    QLabel* emptyPage_ = nullptr;
    class ProgressWindow* progress_ = nullptr;
    std::unique_ptr<PortMenuSection> portSection_;

    // The system's ports go below the last numbered port of the Port menu.
    void AttachPortSection();
    // Replaces the right panel's page with widget (null: none).
    void SetPage(SheetPanel* page, QLabel* empty);
};

}  // namespace xtr::ui
