// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/PaletteAccessible.h"

#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include "style/WebPalette.h"
#include "windows/Colors.h"

namespace windows {

namespace {

// One swatch. It holds its index, not its colour, and is read afresh on every question.
class SwatchCellAccessible : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
public:
    SwatchCellAccessible(TPaletteSwatches* swatches, int index) : swatches_(swatches), index_(index) {}

    bool isValid() const override { return !swatches_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return swatches_->window()->windowHandle(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(swatches_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return {};
        return QString::fromStdString(webpalette::HoverText(webpalette::SwatchAt(index_).color));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const webpalette::Swatch swatch = webpalette::SwatchAt(index_);
        return QRect(swatches_->mapToGlobal(QPoint(swatch.left, swatch.top)),
                     QSize(webpalette::kSwatchWidth, webpalette::kSwatchHeight));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const QRect place = rect();
        state.invisible = !swatches_->isVisible();
        state.offscreen = !swatches_->visibleRegion().boundingRect().intersects(
            QRect(swatches_->mapFromGlobal(place.topLeft()), place.size()));
        state.selectable = true;
        state.focusable = true;
        state.selected = isSelected();
        state.focused = state.selected && swatches_->hasFocus();
        return state;
    }

    bool isSelected() const override { return swatches_->FocusIndex() == index_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % webpalette::kColumns; }
    int rowIndex() const override { return index_ / webpalette::kColumns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) swatches_->PickSwatch(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TPaletteSwatches> swatches_;
    int index_;
};

class PaletteTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit PaletteTableAccessible(TPaletteSwatches* swatches)
        : QAccessibleWidget(swatches, QAccessible::Table) {}
    ~PaletteTableAccessible() override {
        for (QAccessible::Id id : std::as_const(ids_)) QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return webpalette::kCount; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < webpalette::kCount ? Cell(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessibleTableCellInterface* cell =
            child != nullptr ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        if (cell == nullptr || cell->table() != this) return -1;
        return cell->rowIndex() * webpalette::kColumns + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        const int index = webpalette::SwatchIndexAt(at.x(), at.y());
        return index >= 0 ? Cell(index) : nullptr;
    }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= webpalette::kRows || column < 0 || column >= webpalette::kColumns)
            return nullptr;
        return Cell(row * webpalette::kColumns + column);
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return webpalette::kColumns; }
    int rowCount() const override { return webpalette::kRows; }
    int selectedCellCount() const override { return Swatches()->FocusIndex() >= 0 ? 1 : 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        if (Swatches()->FocusIndex() < 0) return {};
        return {Cell(Swatches()->FocusIndex())};
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

    // Cells are made on first asking and kept, so that a screen reader meets the same
    // object for the same swatch each time.
    QAccessibleInterface* Cell(int index) const {
        if (auto found = ids_.constFind(index); found != ids_.cend())
            return QAccessible::accessibleInterface(found.value());
        auto* cell = new SwatchCellAccessible(Swatches(), index);
        ids_.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

private:
    TPaletteSwatches* Swatches() const { return static_cast<TPaletteSwatches*>(widget()); }

    mutable QHash<int, QAccessible::Id> ids_;
};

}  // namespace

QAccessibleInterface* MakePaletteAccessible(TPaletteSwatches* swatches) {
    return new PaletteTableAccessible(swatches);
}

void NotifyPaletteFocusMoved(TPaletteSwatches* swatches) {
    if (!QAccessible::isActive() || swatches->FocusIndex() < 0) return;
    auto* table = static_cast<PaletteTableAccessible*>(QAccessible::queryAccessibleInterface(swatches));
    if (table == nullptr) return;
    QAccessibleInterface* cell = table->Cell(swatches->FocusIndex());
    QAccessibleEvent selection(cell, QAccessible::SelectionAdd);
    QAccessible::updateAccessibility(&selection);
    if (swatches->hasFocus()) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

}  // namespace windows
