// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "controls/GridTypes.h"
#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Rect.h"

namespace controls {

// A scrollable table of text cells drawn through our canvas: fixed title rows and columns
// that stay put while the rest scrolls vertically, per-column widths and per-row heights,
// a text and an owned object per cell, and a current cell. Cells are laid out left to
// right and top to bottom, each followed by a one-pixel grid line.
//
// A change of the current cell asks SelectCell first; making the current cell current
// again does nothing at all. Subclasses draw cells by overriding DrawCell, and hear of
// count changes and column moves through SizeChanged and ColumnMoved.
class TStringGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kGridLineWidth = 1;

    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    int ColCount() const { return colCount_; }
    void SetColCount(int value);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int value);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int value);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int value);

    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int value);
    int ColWidths(int col) const { return colWidths_.at(static_cast<std::size_t>(col)); }
    void SetColWidths(int col, int width);
    int RowHeights(int row) const { return rowHeights_.at(static_cast<std::size_t>(row)); }
    void SetRowHeights(int row, int height);

    unsigned Options() const { return options_; }
    void SetOptions(unsigned value);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor value);
    platform::TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(platform::TColor value);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    // The cell's object slot; the grid owns what it holds.
    TCellObject* Objects(int col, int row) const;
    void SetObjects(int col, int row, std::unique_ptr<TCellObject> object);

    int Col() const { return col_; }
    void SetCol(int value) { FocusCell(value, row_); }
    int Row() const { return row_; }
    void SetRow(int value) { FocusCell(col_, value); }
    int TopRow() const { return topRow_; }
    void SetTopRow(int value);
    // How many scrolling rows fit wholly below the fixed rows.
    int VisibleRowCount() const;

    // The cell under a point of the viewport, or (-1, -1) outside every cell.
    void MouseToCell(int x, int y, int& col, int& row) const;
    // The cell's rectangle in the viewport; empty when the cell is scrolled out of view.
    platform::Rect CellRect(int col, int row) const;

    // Moves a column, its cells and width included, from one index to another, as dragging
    // its title would.
    void MoveColumn(int fromIndex, int toIndex);

    // Asked before a cell becomes current; clearing canSelect refuses the change.
    std::function<void(TStringGrid* sender, int col, int row, bool& canSelect)> OnSelectCell;

    QSize sizeHint() const override { return {320, 120}; }

protected:
    virtual bool SelectCell(int col, int row);
    // Draws one cell; the canvas holds the grid's font and the brush and font colour the
    // cell's state calls for. The base fills the cell and writes its text 2 pixels in.
    virtual void DrawCell(platform::Canvas& canvas, int col, int row, platform::Rect rect,
                          TGridDrawState state);
    // Called after the column or row count changed, with the old counts.
    virtual void SizeChanged(int oldColCount, int oldRowCount);
    // Moves the column's data; subclasses do their part and then call the base.
    virtual void ColumnMoved(int fromIndex, int toIndex);
    void FillAndWriteText(platform::Canvas& canvas, const platform::Rect& rect, const QString& text);
    bool IsCellSelected(int col, int row) const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Cell {
        QString text;
        std::unique_ptr<TCellObject> object;
    };

    Cell& At(int col, int row);
    const Cell* Find(int col, int row) const;
    void Resize(int colCount, int rowCount);
    // Makes (col, row) current if SelectCell allows, and scrolls it into view.
    void FocusCell(int col, int row);
    void FocusCellAt(const QPoint& pos);
    void ResetCurrentCell();
    void ScrollIntoView(int row);
    int MaxTopRow() const;
    void UpdateScrollBar();
    int ColumnLeft(int col) const;
    int RowTop(int row, int limit = std::numeric_limits<int>::max()) const;
    void UpdateCell(int col, int row);
    TGridDrawState DrawStateOf(int col, int row) const;
    void PaintCell(platform::Canvas& canvas, int col, int row, const platform::Rect& rect);
    void DrawFocusRect(QPainter& painter, const platform::Rect& rect);

    int colCount_ = 0;
    int rowCount_ = 0;
    int fixedCols_ = 0;
    int fixedRows_ = 0;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<std::vector<Cell>> cells_;  // [row][col]
    unsigned options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine;
    bool defaultDrawing_ = true;
    platform::TColor color_ = platform::clWindow;
    platform::TColor fixedColor_ = platform::clBtnFace;
    int col_ = 0;
    int row_ = 0;
    int topRow_ = 0;
    bool updatingScrollBar_ = false;
    // The part of the wheel's turns not yet scrolled, in the wheel's units.
    int wheelRemainder_ = 0;
};

}  // namespace controls
