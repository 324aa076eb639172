// cuiGrid: the desktop grid a sheet is shown in. It paints the visible
// cells with the cell painter (fixed rows and columns stay in place while
// the rest scrolls), hosts the in-place editor and forwards keys, mouse,
// wheel and focus to the grid's behaviour (SheetGrid), which decides
// everything else.
#pragma once

#include "ui/model/grid_host.h"
#include "ui/model/sheet_grid.h"
#include "ui/qt_menu_view.h"
#include "ui/qt_text_measurer.h"

#include <QAbstractScrollArea>
#include <QPlainTextEdit>

#include <functional>
#include <memory>

namespace xtr {
class Timer;
}

namespace xtr::ui {

class cuiGrid;

// The in-place editor: one text box over the cell, no frame, no wrap.
class GridEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 1024;
    explicit GridEditor(cuiGrid& grid, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void KeepWithinLimit();
    cuiGrid& grid_;
};

class cuiGrid : public QAbstractScrollArea, public GridHost {
    Q_OBJECT
public:
    // What the grid needs from the panel around it.
    struct Panel {
        std::function<void(cuiSheet&)> createWidgets;
        std::function<void(cuiSheet&)> showWidgets;
    };
    // Someone else's cell pop-up menu instead of the grid's own: told the
    // name, opened at a global point.
    struct PopupMenu {
        std::function<void(const std::string& name)> changed;
        std::function<void(const std::string& name, QPoint global)> open;
    };

    explicit cuiGrid(QWidget* parent, Panel panel = {});
    ~cuiGrid() override;

    SheetGrid& Model() { return model_; }
    const SheetGrid& Model() const { return model_; }
    QPlainTextEdit* Editor() const { return editor_; }
    void SetPopupMenu(PopupMenu menu) { popup_ = std::move(menu); }
    // The grid's own cell pop-up menu, filled by the cursor cell's builder.
    QMenu* CellMenu() const { return cellMenu_; }
    void SetListCloser(std::function<void()> close) { closeList_ = std::move(close); }
    // The cell under the cursor's rectangle in viewport coordinates.
    QRect CellRect(int column, int row) const;

    // GridHost
    void CreateWidgets(cuiSheet& sheet) override;
    void ShowWidgets(cuiSheet& sheet) override;
    void DestroyWidgets(cuiSheet& sheet) override;
    TextMeasurer& Measurer() override { return measurer_; }
    void InvalidateRect(const Rect& rect) override;
    void InvalidateAll() override;
    void RepaintNow() override;
    void Pause(int milliseconds) override;
    void ScrollChanged() override;
    void CursorChanged() override;
    void SetEnabled(bool enabled) override;
    bool HasFocus() const override;
    void FocusGrid() override;
    bool ShiftDown() const override;
    void ShowEditor(const Rect& rect, const FontDesc& font, const std::string& text, int selStart,
                    int selLength) override;
    void HideEditor() override;
    bool EditorVisible() const override { return editorShown_; }
    std::string EditorText() const override;
    void PopupMenuChanged(const std::string& name) override;
    void OpenPopupMenu(int x, int y) override;
    MenuView* PopupMenuView() override { return cellMenuView_.get(); }
    void CloseList() override;

    // The live grid whose behaviour is model (a request's grid), or null.
    static cuiGrid* FromModel(const void* model);

    // Virtual-key code of a Qt key, 0 for keys the grid leaves alone.
    static int VirtualKey(int qtKey);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class GridEditor;
    void ScrollBarsMoved();
    void DragScroll();

    // Declared before the behaviour: its pop-up builder goes first and
    // takes its items out of this view.
    QMenu* cellMenu_ = nullptr;
    std::unique_ptr<QtMenuView> cellMenuView_;
    SheetGrid model_;
    Panel panel_;
    PopupMenu popup_;
    std::function<void()> closeList_;
    QtTextMeasurer measurer_;
    GridEditor* editor_ = nullptr;
    bool editorShown_ = false;
    bool updatingScrollBars_ = false;
    std::string popupName_;
    std::unique_ptr<Timer> dragTimer_;
    QPoint dragPoint_;
};

}  // namespace xtr::ui
