#include "ui/main_form.h"

#include "app/environ.h"
#include "app/globals.h"
#include "app/main/cui_main.h"
#include "app/main/work_area.h"
#include "app/task.h"
#include "cells/cell_description.h"
#include "cells/cell_names.h"
#include "ui/model/menu_builder.h"
#include "overlay/gtex.h"
#include "ui/about_box.h"
#include "ui/clone_info_window.h"
#include "ui/file_dialogs.h"
#include "ui/progress_window.h"
#include "ui/icons.h"
#include "ui/port_menu_section.h"
#include "ui/qt_fonts.h"
#include "ui/qt_menu_view.h"
#include "ui/qt_tool_bar_view.h"
#include "ui/qt_tree_view.h"
#include "ui/qt_marker_images.h"
#include "ui/sheet_panel.h"
#include "ui/status_bar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace xtr::ui {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    const QString title = QString::fromLocal8Bit(GTex().FirstLine("GI_Sys_AppTitle").c_str());
    setWindowTitle(title);
    setAcceptDrops(true);
    QGuiApplication::setApplicationDisplayName(title);

    cmcCellObj basic;
    ParseCellDescription(GTex().FirstLine("GI_Form_Main_BasicCell"), basic, nullptr, nullptr);
    if (const FontDesc* desc = basic.EffectiveFont()) {
        setFont(ToQFont(*desc));
    }

    indEnviron& env = Env();
    QRect workArea(0, 0, 1024, 768);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        workArea = screen->availableGeometry();
    }
    const Rect bounds = KeepInsideWorkArea(env.windowLeft, env.windowTop, env.windowWidth, env.windowHeight,
                                           Rect{workArea.left(), workArea.top(), workArea.left() + workArea.width(),
                                                workArea.top() + workArea.height()});
    setGeometry(bounds.left, bounds.top, bounds.Width(), bounds.Height());

    treeImages_ = ui::TreeImages(devicePixelRatioF());
    markers_ = std::make_unique<QtMarkerImages>(treeImages_);
    toolBarImages_ = ui::ToolBarImages(devicePixelRatioF());
    setMinimumSize(400, 200);

    // The form's own task exists for the toolkit's sake only: created
    // stopped, without a handler, and never started.
    task_ = new cmcTask();

    // The menu bar and the tool bar share the tool-bar images.
    menuView_ = std::make_unique<QtMenuView>(menuBar(), toolBarImages_);
    menuBar()->setAccessibleName(title);
    toolBarView_ = std::make_unique<QtToolBarView>(this, toolBarImages_);

    // Key events pass through the window before the focused widget sees
    // them; the filter watches the windows only, so each key counts once.
    qApp->installEventFilter(this);

    App().AttachForm(this);
    AttachPortSection();
}

void TForm1::AttachPortSection()
{
    const cuiMenu* menu = App().MainMenu();
    const cuiMenu::Item* port = menu != nullptr ? menu->FindItem(CL_Menu_Port_Com) : nullptr;
    if (port == nullptr || port->parent == nullptr) {
        return;
    }
    QMenu* submenu = menuView_->Submenu(port->parent->id);
    if (submenu == nullptr) {
        return;
    }
    // Before the item that follows the last numbered port.
    QAction* before = nullptr;
    const auto& siblings = port->parent->children;
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i]->cell && siblings[i]->cell->cellId == CL_Menu_Port_Com) {
            before = i + 1 < siblings.size() ? menuView_->Action(siblings[i + 1]->id) : nullptr;
        }
    }
    portSection_ = std::make_unique<PortMenuSection>(submenu, before, CreateSystemPortLister(), this);
}

TForm1::~TForm1()
{
    // The application's menu, tool bar and tree work on widgets of this
    // window: they go first.
    if (HasApp()) {
        App().DetachForm();
    }
    portSection_.reset();
    // The sheet goes before the marker images it draws with.
    delete page_;
    page_ = nullptr;
    cmcTask::Release(task_);
}

MenuView& TForm1::MainMenuView()
{
    return *menuView_;
}

ToolBarView& TForm1::MainToolBarView()
{
    return *toolBarView_;
}

std::unique_ptr<TreeView> TForm1::CreateTreeView()
{
    return std::make_unique<QtTreeView>(leftPanel_ != nullptr ? leftPanel_ : centralWidget(), treeImages_);
}

void TForm1::SetTitle(const std::string& title)
{
    const QString text = QString::fromLocal8Bit(title.c_str());
    setWindowTitle(text);
    QGuiApplication::setApplicationDisplayName(text);
}

void TForm1::BuildPanels(int leftWidth, int splitterMinimum)
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    splitter_ = new QSplitter(Qt::Horizontal, central);
    splitter_->setHandleWidth(3);
    splitter_->setChildrenCollapsible(false);
    splitter_->setOpaqueResize(true);

    leftPanel_ = new QFrame(splitter_);
    leftPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    leftPanel_->setLineWidth(2);
    leftPanel_->setMinimumWidth(splitterMinimum);
    rightPanel_ = new QFrame(splitter_);
    rightPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    rightPanel_->setLineWidth(2);
    splitter_->addWidget(leftPanel_);
    splitter_->addWidget(rightPanel_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({leftWidth, std::max(1, width() - leftWidth)});

    layout->addWidget(splitter_, 1);
    setCentralWidget(central);
}

int TForm1::LeftPanelWidth() const
{
    return leftPanel_ != nullptr ? leftPanel_->width() : 0;
}

void TForm1::BuildStatusBar()
{
    statusBar_ = new StatusBar(this);
    centralWidget()->layout()->addWidget(statusBar_);
}

int TForm1::StatusBarWidth() const { return statusBar_ != nullptr ? statusBar_->width() : 0; }

int TForm1::StatusPanelCount() const { return statusBar_ != nullptr ? statusBar_->PanelCount() : 0; }

int TForm1::StatusPanelWidth(int panel) const { return statusBar_ != nullptr ? statusBar_->PanelWidth(panel) : 0; }

void TForm1::SetStatusPanelWidth(int panel, int width)
{
    if (statusBar_ != nullptr) {
        statusBar_->SetPanelWidth(panel, width);
    }
}

int TForm1::MeasureStatusText(const std::string& text) const
{
    const QFontMetrics metrics(statusBar_ != nullptr ? statusBar_->font() : font());
    return metrics.horizontalAdvance(QString::fromLocal8Bit(text.c_str()));
}

void TForm1::RepaintStatusBar()
{
    if (statusBar_ != nullptr) {
        statusBar_->update();
    }
}

void TForm1::Show() { show(); }

bool TForm1::IsShown() const { return isVisible(); }

bool TForm1::IsEnabled() const { return isEnabled(); }

void TForm1::SetEnabled(bool enabled) { setEnabled(enabled); }

Rect TForm1::NormalBounds() const
{
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    return Rect{normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()};
}

void TForm1::ShowAbout()
{
    AboutBox box(this);
    box.exec();
}

MarkerImages* TForm1::Markers() { return markers_.get(); }

bool TForm1::ShowSheet(const std::string& reference, const SheetPosition& saved)
{
    if (rightPanel_ == nullptr) {
        return false;
    }
    const bool gridHadFocus = page_ != nullptr && page_->Grid()->hasFocus();
    auto* page = new SheetPanel(rightPanel_);
    page->setGeometry(rightPanel_->contentsRect());
    const bool built = page->Build([&reference](SheetView* view) { return App().CreateSheet(view, reference); },
                                   [&saved](cuiSheet& sheet) { sheet.SetSavedPosition(saved); });
    if (!built) {
        delete page;
        return false;
    }
    SetPage(page, nullptr);
    if (gridHadFocus) {
        page->Grid()->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

void TForm1::ShowEmptyPage(const std::string& caption)
{
    if (rightPanel_ == nullptr) {
        return;
    }
    auto* label = new QLabel(QString::fromLocal8Bit(caption.c_str()), rightPanel_);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(8);
    SetPage(nullptr, label);
}

void TForm1::CloseSheet()
{
    if (rightPanel_ != nullptr) {
        SetPage(nullptr, nullptr);
    }
}

bool TForm1::ShownSheetPosition(SheetPosition& position) const
{
    if (page_ == nullptr || page_->Sheet() == nullptr) {
        return false;
    }
    position = page_->Position();
    return true;
}

void TForm1::SetPage(SheetPanel* page, QLabel* empty)
{
    if (rightPanel_->layout() == nullptr) {
        auto* layout = new QVBoxLayout(rightPanel_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    // A page may be replaced from inside a command of its own grid (a cell
    // that opens another page): it goes once that command has returned.
    for (QWidget* old : {static_cast<QWidget*>(page_), static_cast<QWidget*>(emptyPage_)}) {
        if (old != nullptr) {
            old->hide();
            old->deleteLater();
        }
    }
    page_ = page;
    emptyPage_ = empty;
    QWidget* shown = page != nullptr ? static_cast<QWidget*>(page) : empty;
    if (shown != nullptr) {
        rightPanel_->layout()->addWidget(shown);
        shown->show();
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!HasApp() || App().QueryClose()) {
        if (HasApp()) {
            App().FormClosed();
        }
        event->accept();
    } else {
        event->ignore();
    }
}

bool TForm1::AskOpenFileName(const std::string& defaultExtension, const std::string& filter,
                             const std::string& directory, std::string& path)
{
    return AskOpenFile(this, defaultExtension, filter, directory, path);
}

bool TForm1::AskSaveFileName(const std::string& defaultExtension, const std::string& filter,
                             const std::string& directory, const std::string& name, std::string& path)
{
    return AskSaveFile(this, defaultExtension, filter, directory, name, path);
}

void TForm1::Close()
{
    close();
}

bool TForm1::OpenHelp(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    return QFileInfo::exists(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

CloneProgressView* TForm1::ProgressView()
{
    if (progress_ == nullptr) {
        progress_ = new ProgressWindow(this);
    }
    return progress_;
}

void TForm1::ShowCloneInformation()
{
    cuiInformation window(this, GTex().FirstLine("GI_Sys_AppTitle"), "GI_Sheet_CloneInfo");
    window.exec();
    activateWindow();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (isEnabled() && data != nullptr && data->hasUrls() && data->urls().size() == 1 &&
        data->urls().first().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (!HasApp() || !isEnabled() || data == nullptr || !data->hasUrls() || data->urls().isEmpty()) {
        return;
    }
    const QString path = QDir::toNativeSeparators(data->urls().first().toLocalFile());
    event->acceptProposedAction();
    App().OpenFile(path.toStdString());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // Every character typed anywhere in this window, or in a box that
    // previews its keys for it, goes to the application object. A key event
    // first reaches the focused widget; when that ignores it, it travels on
    // to the parents and passes this filter again, so only the first
    // receiver counts.
    if (event->type() == QEvent::KeyPress && HasApp()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        const bool first = widget != nullptr && (widget == focus || (focus == nullptr && widget->isWindow()));
        const bool ours = first && (widget->window() == this || widget->window()->property("xtrKeyPreview").toBool());
        if (ours) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (text.size() == 1 && text.at(0).unicode() < 0x100 && text.at(0).isPrint()) {
                App().KeyTyped(static_cast<char>(text.at(0).toLatin1()));
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace xtr::ui
