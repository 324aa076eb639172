#include "ui/grid_accessible.h"

#include "app/globals.h"
#include "cells/cell_capsule.h"
#include "overlay/gtex.h"
#include "ui/cui_grid.h"
#include "ui/model/sheet.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace xtr::ui {
namespace {

class GridAccessible;

QString FromLocal(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

// The words a screen reader says for a cell's marker.
constexpr const char* kCellErrorText = "GI_AppInd_CellError";
constexpr const char* kCellWarningText = "GI_AppInd_CellWarning";

class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCellAccessible(cuiGrid* grid, int row, int column) : grid_(grid), row_(row), column_(column) {}

    bool isValid() const override
    {
        return grid_ != nullptr && grid_->Model().Sheet() != nullptr && grid_->Model().Sheet()->Contains(column_, row_);
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ != nullptr ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) {
            return {};
        }
        if (t == QAccessible::Description) {
            return Problem();
        }
        if (t != QAccessible::Name && t != QAccessible::Value) {
            return {};
        }
        return FromLocal(grid_->Model().CellText(column_, row_));
    }
    // What the cell's marker says: the reason of a refused entry, else
    // that the value is an error or a warning; empty for a sound value.
    QString Problem() const
    {
        const SheetGrid& model = grid_->Model();
        std::uint8_t result = 0;
        model.CellText(column_, row_, &result);
        const auto& refused = model.RefusedCell();
        if (refused && refused->first == column_ && refused->second == row_) {
            return FromLocal(model.RefusalText());
        }
        const char* key = (result & cellresult::kError) != 0     ? kCellErrorText
                          : (result & cellresult::kWarning) != 0 ? kCellWarningText
                                                                 : nullptr;
        std::string text;
        if (key != nullptr && HasGTex()) {
            GTex().TryText(key, 0, text);
        }
        return FromLocal(text);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const QRect r = grid_->CellRect(column_, row_);
        return QRect(grid_->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const SheetGrid& model = grid_->Model();
        const bool selectable = model.Sheet()->CellAt(column_, row_).IsSelectable();
        s.focusable = selectable;
        s.selectable = selectable;
        s.focused = model.CursorColumn() == column_ && model.CursorRow() == row_ && grid_->hasFocus();
        s.selected = model.IsHighlighted(column_, row_);
        s.invisible = grid_->CellRect(column_, row_).isEmpty();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return isValid() && grid_->Model().IsHighlighted(column_, row_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<cuiGrid> grid_;
    int row_;
    int column_;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(cuiGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override
    {
        for (QAccessible::Id id : std::as_const(cells_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    cuiGrid* Grid() const { return static_cast<cuiGrid*>(object()); }
    cuiSheet* Sheet() const { return Grid()->Model().Sheet(); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && Sheet() != nullptr) {
            return FromLocal(Sheet()->GetTitle());
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const int columns = columnCount();
        if (columns == 0 || index < 0 || index >= childCount()) {
            return nullptr;
        }
        return cellAt(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface()) {
            return cell->rowIndex() * columnCount() + cell->columnIndex();
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const SheetGrid& model = Grid()->Model();
        return Sheet() != nullptr ? cellAt(model.CursorRow(), model.CursorColumn()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint p = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
        const GridGeometry& g = Grid()->Model().Geometry();
        const int column = g.ColumnAt(p.x());
        const int row = g.RowAt(p.y());
        return column >= 0 && row >= 0 ? cellAt(row, column) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (Sheet() == nullptr || !Sheet()->Contains(column, row)) {
            return nullptr;
        }
        const int key = row * columnCount() + column;
        auto it = cells_.constFind(key);
        if (it != cells_.constEnd()) {
            return QAccessible::accessibleInterface(*it);
        }
        auto* cell = new GridCellAccessible(Grid(), row, column);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (int r = 0; r < rowCount(); ++r) {
            for (int c = 0; c < columnCount(); ++c) {
                if (Grid()->Model().IsHighlighted(c, r)) {
                    cells.append(cellAt(r, c));
                }
            }
        }
        return cells;
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return Sheet() != nullptr ? Sheet()->ColumnCount() : 0; }
    int rowCount() const override { return Sheet() != nullptr ? Sheet()->RowCount() : 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override
    {
        for (QAccessible::Id id : std::as_const(cells_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
        cells_.clear();
    }

private:
    mutable QHash<int, QAccessible::Id> cells_;
};

QAccessibleInterface* GridFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("xtr::ui::cuiGrid") && object != nullptr && object->isWidgetType()) {
        return new GridAccessible(static_cast<cuiGrid*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallGridAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&GridFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace xtr::ui
