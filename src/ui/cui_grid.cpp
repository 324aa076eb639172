#include "ui/cui_grid.h"

#include "app/time_service.h"
#include "ui/grid_accessible.h"
#include "ui/icons.h"
#include "ui/model/cell_painter.h"
#include "ui/model/sheet.h"
#include "ui/qt_colors.h"
#include "ui/qt_fonts.h"
#include "ui/qt_grid_canvas.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QThread>

#include <algorithm>
#include <vector>

namespace xtr::ui {
namespace {

Rect ToRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// Every grid alive, to find the widget of a request's grid.
std::vector<cuiGrid*>& LiveGrids()
{
    static std::vector<cuiGrid*> grids;
    return grids;
}

// Scrolling by the wheel: rows per notch.
constexpr int kWheelRows = 3;
// While a button is held outside the grid, the cursor follows this often.
constexpr int kDragScrollMs = 60;

}  // namespace

GridEditor::GridEditor(cuiGrid& grid, QWidget* parent) : QPlainTextEdit(parent), grid_(grid)
{
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    document()->setDocumentMargin(0);
    connect(this, &QPlainTextEdit::textChanged, this, &GridEditor::KeepWithinLimit);
    hide();
}

void GridEditor::KeepWithinLimit()
{
    const QString text = toPlainText();
    if (text.size() > kMaxLength) {
        QTextCursor cursor = textCursor();
        const int at = std::min(cursor.position(), kMaxLength);
        setPlainText(text.left(kMaxLength));
        cursor = textCursor();
        cursor.setPosition(at);
        setTextCursor(cursor);
    }
}

void GridEditor::keyPressEvent(QKeyEvent* event)
{
    SheetGrid& model = grid_.Model();
    if (event->key() == Qt::Key_Escape) {
        model.EditorEscape();
        return;
    }
    int vk = 0;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: vk = gridkey::kReturn; break;
    case Qt::Key_Up: vk = gridkey::kUp; break;
    case Qt::Key_Down: vk = gridkey::kDown; break;
    case Qt::Key_PageUp: vk = gridkey::kPageUp; break;
    case Qt::Key_PageDown: vk = gridkey::kPageDown; break;
    default: break;
    }
    if (vk != 0 && model.EditorKeyDown(vk, event->modifiers() == Qt::ControlModifier)) {
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void GridEditor::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    // A pop-up of the editor's own (its context menu) is no end of editing.
    if (event->reason() != Qt::PopupFocusReason) {
        grid_.Model().CommitEditor();
    }
}

cuiGrid::cuiGrid(QWidget* parent, Panel panel)
    : QAbstractScrollArea(parent),
      cellMenu_(new QMenu(this)),
      cellMenuView_(std::make_unique<QtMenuView>(cellMenu_, ToolBarImages())),
      model_(*this),
      panel_(std::move(panel))
{
    cellMenu_->setObjectName(QStringLiteral("cellPopupMenu"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    editor_ = new GridEditor(*this, viewport());
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &cuiGrid::ScrollBarsMoved);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &cuiGrid::ScrollBarsMoved);
    dragTimer_ = Time().CreateTimer();
    dragTimer_->SetCallback([this] { DragScroll(); });
    LiveGrids().push_back(this);
    InstallGridAccessibility();
}

cuiGrid::~cuiGrid()
{
    auto& grids = LiveGrids();
    grids.erase(std::remove(grids.begin(), grids.end(), this), grids.end());
}

cuiGrid* cuiGrid::FromModel(const void* model)
{
    for (cuiGrid* grid : LiveGrids()) {
        if (&grid->Model() == model) {
            return grid;
        }
    }
    return nullptr;
}

QRect cuiGrid::CellRect(int column, int row) const { return ToQRect(model_.Geometry().CellRect(column, row)); }

void cuiGrid::CreateWidgets(cuiSheet& sheet)
{
    if (panel_.createWidgets) {
        panel_.createWidgets(sheet);
    }
}

void cuiGrid::ShowWidgets(cuiSheet& sheet)
{
    if (panel_.showWidgets) {
        panel_.showWidgets(sheet);
    }
    model_.SetClientSize(viewport()->width(), viewport()->height());
    ScrollChanged();
}

void cuiGrid::DestroyWidgets(cuiSheet&)
{
    dragTimer_->Stop();
    editorShown_ = false;
    editor_->hide();
}

void cuiGrid::InvalidateRect(const Rect& rect) { viewport()->update(ToQRect(rect)); }

void cuiGrid::InvalidateAll() { viewport()->update(); }

void cuiGrid::RepaintNow() { viewport()->repaint(); }

void cuiGrid::Pause(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

void cuiGrid::ScrollChanged()
{
    const GridGeometry& g = model_.Geometry();
    updatingScrollBars_ = true;
    horizontalScrollBar()->setRange(0, std::max(0, g.MaxLeftColumn() - g.FixedColumns()));
    horizontalScrollBar()->setValue(g.LeftColumn() - g.FixedColumns());
    verticalScrollBar()->setRange(0, std::max(0, g.MaxTopRow() - g.FixedRows()));
    verticalScrollBar()->setValue(g.TopRow() - g.FixedRows());
    // The thumbs are as long as the part of the grid shown.
    horizontalScrollBar()->setPageStep(std::max(1, g.LastVisibleColumn() - g.LeftColumn()));
    verticalScrollBar()->setPageStep(std::max(1, g.LastVisibleRow() - g.TopRow()));
    updatingScrollBars_ = false;
    viewport()->update();
}

void cuiGrid::ScrollBarsMoved()
{
    if (updatingScrollBars_) {
        return;
    }
    GridGeometry& g = model_.Geometry();
    g.SetTopLeft(horizontalScrollBar()->value() + g.FixedColumns(), verticalScrollBar()->value() + g.FixedRows());
    if (editorShown_) {
        model_.CloseEditor(true);
    }
    viewport()->update();
}

void cuiGrid::CursorChanged()
{
    if (QAccessible::isActive()) {
        const int columns = model_.Geometry().Columns();
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(model_.CursorRow() * columns + model_.CursorColumn());
        QAccessible::updateAccessibility(&focus);
    }
}

void cuiGrid::SetEnabled(bool enabled) { setEnabled(enabled); }

bool cuiGrid::HasFocus() const { return hasFocus(); }

void cuiGrid::FocusGrid() { setFocus(Qt::OtherFocusReason); }

bool cuiGrid::ShiftDown() const { return (QApplication::keyboardModifiers() & Qt::ShiftModifier) != 0; }

void cuiGrid::ShowEditor(const Rect& rect, const FontDesc& font, const std::string& text, int selStart, int selLength)
{
    editor_->setFont(ToQFont(font));
    editor_->setGeometry(ToQRect(rect));
    editor_->setPlainText(QString::fromLocal8Bit(text.c_str()));
    QTextCursor cursor = editor_->textCursor();
    const int length = static_cast<int>(editor_->toPlainText().size());
    cursor.setPosition(std::clamp(selStart, 0, length));
    cursor.setPosition(std::clamp(selStart + selLength, 0, length), QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
    editor_->document()->clearUndoRedoStacks();
    editorShown_ = true;
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

void cuiGrid::HideEditor()
{
    editorShown_ = false;
    editor_->hide();
    viewport()->update();
}

std::string cuiGrid::EditorText() const { return editor_->toPlainText().toLocal8Bit().toStdString(); }

void cuiGrid::PopupMenuChanged(const std::string& name)
{
    popupName_ = name;
    if (popup_.changed) {
        popup_.changed(name);
    }
}

void cuiGrid::OpenPopupMenu(int x, int y)
{
    if (popupName_.empty()) {
        return;
    }
    const QPoint global = viewport()->mapToGlobal(QPoint(x, y));
    if (popup_.open) {
        popup_.open(popupName_, global);
    } else if (model_.PopupMenuBuilder() != nullptr && !cellMenu_->isEmpty()) {
        cellMenu_->popup(global);
    }
}

void cuiGrid::CloseList()
{
    if (closeList_) {
        closeList_();
    }
}

void cuiGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    cuiSheet* sheet = model_.Sheet();
    const QRect region = event->rect();
    painter.fillRect(region, sheet != nullptr ? ToQColor(sheet->BasicCell().color) : palette().color(QPalette::Base));
    if (sheet == nullptr || !sheet->HasSlots() || sheet->Busy()) {
        return;
    }
    QtGridCanvas canvas(painter);
    CellPainter cells(*sheet, canvas);
    CellPaintState state{model_.CursorColumn(), model_.CursorRow(), hasFocus(), editorShown_};
    if (const auto& refused = model_.RefusedCell()) {
        state.refusedColumn = refused->first;
        state.refusedRow = refused->second;
    }
    const GridGeometry& g = model_.Geometry();
    const int lastRow = g.LastVisibleRow();
    const int lastColumn = g.LastVisibleColumn();
    for (int r = 0; r <= lastRow; ++r) {
        if (r >= g.FixedRows() && r < g.TopRow()) {
            continue;
        }
        for (int c = 0; c <= lastColumn; ++c) {
            if (c >= g.FixedColumns() && c < g.LeftColumn()) {
                continue;
            }
            const Rect rect = g.CellRect(c, r);
            const QRect qrect = ToQRect(rect);
            if (!region.intersects(qrect)) {
                continue;
            }
            // Paper white under every cell: white cells leave it as it is.
            painter.fillRect(qrect, Qt::white);
            const CellPaintResult result = cells.Paint(c, r, rect, state);
            if (result.invalidateNext) {
                const QRect next = CellRect(c + 1, r);
                if (!next.isEmpty() && !region.contains(next)) {
                    viewport()->update(next);
                }
            }
        }
    }
}

void cuiGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    model_.SetClientSize(viewport()->width(), viewport()->height());
    ScrollChanged();
}

int cuiGrid::VirtualKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_PageUp: return gridkey::kPageUp;
    case Qt::Key_PageDown: return gridkey::kPageDown;
    case Qt::Key_Home: return gridkey::kHome;
    case Qt::Key_End: return gridkey::kEnd;
    case Qt::Key_Left: return gridkey::kLeft;
    case Qt::Key_Up: return gridkey::kUp;
    case Qt::Key_Right: return gridkey::kRight;
    case Qt::Key_Down: return gridkey::kDown;
    default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return gridkey::kF1 + (qtKey - Qt::Key_F1);
    }
    return 0;
}

void cuiGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Menu) {
        // The context-menu key opens the cell pop-up menu at the cursor.
        const QRect cell = CellRect(model_.CursorColumn(), model_.CursorRow());
        OpenPopupMenu(cell.left() + cell.width() / 2, cell.top() + cell.height() / 2);
        event->accept();
        return;
    }
    const int vk = VirtualKey(event->key());
    if (vk != 0 && model_.KeyDown(vk, event->modifiers() == Qt::ControlModifier)) {
        event->accept();
        return;
    }
    int character = 0;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: character = 13; break;
    case Qt::Key_Backspace: character = 8; break;
    case Qt::Key_Escape: character = 27; break;
    default: {
        const QByteArray bytes = event->text().toLocal8Bit();
        if (bytes.size() == 1 && static_cast<unsigned char>(bytes[0]) >= 0x20 && bytes[0] != 0x7F) {
            character = static_cast<unsigned char>(bytes[0]);
        }
        break;
    }
    }
    if (character == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    model_.KeyPress(character);
    event->accept();
}

namespace {

MouseButton ToButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::Left;
    }
}

}  // namespace

void cuiGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint p = event->position().toPoint();
    model_.MousePress(ToButton(event->button()), p.x(), p.y());
    if (event->button() != Qt::RightButton) {
        dragPoint_ = p;
        dragTimer_->Start(kDragScrollMs);
    }
}

void cuiGrid::mouseReleaseEvent(QMouseEvent* event)
{
    dragTimer_->Stop();
    const QPoint p = event->position().toPoint();
    model_.MouseRelease(ToButton(event->button()), p.x(), p.y());
}

void cuiGrid::mouseMoveEvent(QMouseEvent* event)
{
    dragPoint_ = event->position().toPoint();
    if (viewport()->rect().contains(dragPoint_)) {
        model_.MouseMove(dragPoint_.x(), dragPoint_.y());
    }
}

void cuiGrid::DragScroll()
{
    // Held beyond an edge: the grid scrolls one cell that way.
    const QRect inside = viewport()->rect();
    const int dx = dragPoint_.x() < inside.left() ? -1 : (dragPoint_.x() > inside.right() ? 1 : 0);
    const int dy = dragPoint_.y() < inside.top() ? -1 : (dragPoint_.y() > inside.bottom() ? 1 : 0);
    if (dx != 0 || dy != 0) {
        model_.TimedScroll(dx, dy);
    }
}

void cuiGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    model_.DoubleClick(p.x(), p.y());
}

void cuiGrid::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() - notches * kWheelRows);
    }
    event->accept();
}

void cuiGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    // Back from the grid's own pop-up menu: the focus never really left.
    if (event->reason() != Qt::PopupFocusReason) {
        model_.FocusGained();
    }
}

void cuiGrid::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    // A pop-up menu opened over the grid keeps its builder alive.
    if (event->reason() != Qt::PopupFocusReason) {
        model_.FocusLost();
    }
}

}  // namespace xtr::ui
