// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GridAccessible.h"

#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include "controls/StringGrid.h"
#include "controls/SuperGrd.h"

namespace controls {

namespace {

// The title of a column: a super grid's column title lines, else the text of the fixed rows.
QString ColumnTitle(const TStringGrid& grid, int col) {
    if (const auto* superGrid = qobject_cast<const TSuperGrid*>(&grid);
        superGrid != nullptr && col < superGrid->Columns().Count()) {
        QStringList lines;
        for (const std::string& line : superGrid->Columns().Items(col).Title())
            lines.append(QString::fromStdString(line));
        if (!lines.isEmpty()) return lines.join(u' ');
    }
    QStringList texts;
    for (int row = 0; row < grid.FixedRows(); ++row) texts.append(grid.Cells(col, row));
    return texts.join(u' ').trimmed();
}

class GridTableAccessible;

// One cell, or with header set a column's title. Cells hold their place, not their text,
// so they stay right as the grid's contents change; a cell past the grid's end is invalid.
class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCellAccessible(TStringGrid* grid, int col, int row, bool header)
        : grid_(grid), col_(col), row_(row), header_(header) {}

    bool isValid() const override {
        return !grid_.isNull() && col_ < grid_->ColCount() && row_ < grid_->RowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_->window()->windowHandle(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(grid_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return {};
        return header_ ? ColumnTitle(*grid_, col_) : grid_->Cells(col_, row_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const platform::Rect r = grid_->CellRect(col_, header_ ? 0 : row_);
        if (r.Width() <= 0 || r.Height() <= 0) return {};
        return QRect(grid_->viewport()->mapToGlobal(QPoint(r.left, r.top)), QSize(r.Width(), r.Height()));
    }
    QAccessible::Role role() const override {
        return header_ ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = rect().isEmpty();
        if (header_) return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = isSelected();
        state.focused = state.selected && grid_->hasFocus();
        return state;
    }

    bool isSelected() const override { return !header_ && grid_->Col() == col_ && grid_->Row() == row_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return header_ ? -1 : row_ - grid_->FixedRows(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<TStringGrid> grid_;
    int col_;
    int row_;
    bool header_;
};

// The grid itself: a table whose children are the column headers, then the cells row by row.
class GridTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridTableAccessible(TStringGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridTableAccessible() override {
        for (QAccessible::Id id : std::as_const(ids_)) QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return Grid()->ColCount() * (1 + rowCount()); }
    QAccessibleInterface* child(int index) const override {
        const int cols = Grid()->ColCount();
        if (index < 0 || index >= childCount() || cols == 0) return nullptr;
        if (index < cols) return Cell(index, 0, true);
        return Cell(index % cols, Grid()->FixedRows() + index / cols - 1, false);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessibleTableCellInterface* cell =
            child != nullptr ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        if (cell == nullptr || cell->table() != this) return -1;
        return (cell->rowIndex() + 1) * Grid()->ColCount() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
        int col = -1, row = -1;
        Grid()->MouseToCell(at.x(), at.y(), col, row);
        if (col < 0 || row < 0) return nullptr;
        return row < Grid()->FixedRows() ? Cell(col, 0, true) : Cell(col, row, false);
    }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        return Cell(column, Grid()->FixedRows() + row, false);
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override { return ColumnTitle(*Grid(), column); }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return Grid()->ColCount(); }
    int rowCount() const override { return std::max(0, Grid()->RowCount() - Grid()->FixedRows()); }
    int selectedCellCount() const override { return rowCount() > 0 && columnCount() > 0 ? 1 : 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        if (selectedCellCount() == 0) return {};
        return {Cell(Grid()->Col(), Grid()->Row(), false)};
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    QAccessibleInterface* Cell(int col, int row, bool header) const {
        const int key = header ? -1 - col : row * Grid()->ColCount() + col;
        if (auto found = ids_.constFind(key); found != ids_.cend())
            return QAccessible::accessibleInterface(found.value());
        auto* cell = new GridCellAccessible(Grid(), col, row, header);
        ids_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

private:
    TStringGrid* Grid() const { return static_cast<TStringGrid*>(widget()); }

    mutable QHash<int, QAccessible::Id> ids_;
};

QList<QAccessibleInterface*> GridCellAccessible::columnHeaderCells() const {
    if (header_ || grid_->FixedRows() == 0) return {};
    auto* table = static_cast<GridTableAccessible*>(QAccessible::queryAccessibleInterface(grid_.data()));
    return {table->Cell(col_, 0, true)};
}

}  // namespace

QAccessibleInterface* MakeGridAccessible(TStringGrid* grid) { return new GridTableAccessible(grid); }

void InstallGridAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& /*className*/, QObject* object) -> QAccessibleInterface* {
                auto* grid = qobject_cast<TStringGrid*>(object);
                return grid != nullptr ? MakeGridAccessible(grid) : nullptr;
            });
        return true;
    }();
    (void)installed;
}

void NotifyCurrentCellMoved(TStringGrid* grid) {
    if (!QAccessible::isActive()) return;
    auto* table = static_cast<GridTableAccessible*>(QAccessible::queryAccessibleInterface(grid));
    if (table == nullptr || table->rowCount() == 0) return;
    QAccessibleInterface* cell = table->Cell(grid->Col(), grid->Row(), false);
    QAccessibleEvent selection(cell, QAccessible::SelectionAdd);
    QAccessible::updateAccessibility(&selection);
    if (grid->hasFocus()) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

}  // namespace controls
