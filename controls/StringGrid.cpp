// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/StringGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

#include "controls/GridAccessible.h"
#include "platform/SysColors.h"

namespace controls {

using platform::Rect;
using platform::TColor;

namespace {

constexpr int kClassicCount = 5;
// Rows a notch of the mouse wheel scrolls; a notch is 120 units of the wheel's angle, and
// touchpads and fine wheels send fractions of it.
constexpr int kWheelRows = 3;
constexpr int kWheelNotch = 120;
constexpr int kWheelUnitsPerRow = kWheelNotch / kWheelRows;

template <typename T>
void MoveItem(std::vector<T>& items, int from, int to) {
    auto item = std::move(items[static_cast<std::size_t>(from)]);
    items.erase(items.begin() + from);
    items.insert(items.begin() + to, std::move(item));
}

}  // namespace

TStringGrid::TStringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    InstallGridAccessibleFactory();
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    fixedCols_ = 1;
    fixedRows_ = 1;
    col_ = 1;
    row_ = 1;
    topRow_ = 1;
    Resize(kClassicCount, kClassicCount);
}

TStringGrid::~TStringGrid() = default;

// Rows that keep their width are left alone, so that adding rows one at a time, as a data
// file does, costs the new rows only.
void TStringGrid::Resize(int colCount, int rowCount) {
    const auto rows = static_cast<std::size_t>(rowCount);
    colWidths_.resize(static_cast<std::size_t>(colCount), defaultColWidth_);
    rowHeights_.resize(rows, defaultRowHeight_);
    const std::size_t unchanged = colCount == colCount_ ? std::min(cells_.size(), rows) : 0;
    cells_.resize(rows);
    for (std::size_t r = unchanged; r < rows; ++r) cells_[r].resize(static_cast<std::size_t>(colCount));
    colCount_ = colCount;
    rowCount_ = rowCount;
}

void TStringGrid::SetColCount(int value) {
    if (value == colCount_ || value <= fixedCols_) return;
    const int oldCols = colCount_;
    Resize(value, rowCount_);
    col_ = std::min(col_, colCount_ - 1);
    SizeChanged(oldCols, rowCount_);
    viewport()->update();
}

void TStringGrid::SetRowCount(int value) {
    if (value == rowCount_ || value <= fixedRows_) return;
    const int oldRows = rowCount_;
    Resize(colCount_, value);
    row_ = std::min(row_, rowCount_ - 1);
    topRow_ = std::min(topRow_, rowCount_ - 1);
    SizeChanged(colCount_, oldRows);
    UpdateScrollBar();
    viewport()->update();
}

void TStringGrid::SetFixedCols(int value) {
    if (value == fixedCols_ || value < 0 || value >= colCount_) return;
    fixedCols_ = value;
    ResetCurrentCell();
}

void TStringGrid::SetFixedRows(int value) {
    if (value == fixedRows_ || value < 0 || value >= rowCount_) return;
    fixedRows_ = value;
    ResetCurrentCell();
}

// A change of the fixed counts starts the grid afresh on its first data cell, scrolled to
// the top, without asking SelectCell: nothing has been selected by the user yet.
void TStringGrid::ResetCurrentCell() {
    col_ = fixedCols_;
    row_ = fixedRows_;
    topRow_ = fixedRows_;
    UpdateScrollBar();
    viewport()->update();
}

void TStringGrid::SetDefaultColWidth(int value) {
    if (value < 0) return;
    defaultColWidth_ = value;
    std::fill(colWidths_.begin(), colWidths_.end(), value);
    viewport()->update();
}

void TStringGrid::SetDefaultRowHeight(int value) {
    if (value < 0) return;
    defaultRowHeight_ = value;
    std::fill(rowHeights_.begin(), rowHeights_.end(), value);
    UpdateScrollBar();
    viewport()->update();
}

void TStringGrid::SetColWidths(int col, int width) {
    if (col < 0 || col >= colCount_ || width < 0) return;
    colWidths_[static_cast<std::size_t>(col)] = width;
    viewport()->update();
}

void TStringGrid::SetRowHeights(int row, int height) {
    if (row < 0 || row >= rowCount_ || height < 0) return;
    rowHeights_[static_cast<std::size_t>(row)] = height;
    UpdateScrollBar();
    viewport()->update();
}

void TStringGrid::SetOptions(unsigned value) {
    if (value == options_) return;
    options_ = value;
    viewport()->update();
}

void TStringGrid::SetDefaultDrawing(bool value) {
    if (value == defaultDrawing_) return;
    defaultDrawing_ = value;
    viewport()->update();
}

void TStringGrid::SetColor(TColor value) {
    if (value == color_) return;
    color_ = value;
    viewport()->update();
}

void TStringGrid::SetFixedColor(TColor value) {
    if (value == fixedColor_) return;
    fixedColor_ = value;
    viewport()->update();
}

TStringGrid::Cell& TStringGrid::At(int col, int row) {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col));
}

const TStringGrid::Cell* TStringGrid::Find(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return nullptr;
    return &cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

QString TStringGrid::Cells(int col, int row) const {
    const Cell* cell = Find(col, row);
    return cell != nullptr ? cell->text : QString();
}

void TStringGrid::SetCells(int col, int row, const QString& text) {
    if (Find(col, row) == nullptr) return;
    Cell& cell = At(col, row);
    if (cell.text == text) return;
    cell.text = text;
    UpdateCell(col, row);
}

TCellObject* TStringGrid::Objects(int col, int row) const {
    const Cell* cell = Find(col, row);
    return cell != nullptr ? cell->object.get() : nullptr;
}

void TStringGrid::SetObjects(int col, int row, std::unique_ptr<TCellObject> object) {
    if (Find(col, row) == nullptr) return;
    At(col, row).object = std::move(object);
    UpdateCell(col, row);
}

// Only a cell in view is repainted, and finding that one is not costs no more than the rows in
// view, however far below them it lies: filling thousands of rows stays linear.
void TStringGrid::UpdateCell(int col, int row) {
    const int height = viewport()->height();
    const int top = RowTop(row, height);
    if (top < 0 || top >= height) return;
    const int left = ColumnLeft(col);
    viewport()->update(left, top, colWidths_[static_cast<std::size_t>(col)],
                       rowHeights_[static_cast<std::size_t>(row)]);
}

int TStringGrid::ColumnLeft(int col) const {
    int x = 0;
    for (int c = 0; c < col; ++c) x += colWidths_[static_cast<std::size_t>(c)] + kGridLineWidth;
    return x;
}

// -1 for a scrolling row above the view. The walk stops at `limit`: a row that starts there
// or lower gets a top of at least `limit`.
int TStringGrid::RowTop(int row, int limit) const {
    int y = 0;
    for (int r = 0; r < std::min(row, fixedRows_); ++r)
        y += rowHeights_[static_cast<std::size_t>(r)] + kGridLineWidth;
    if (row < fixedRows_) return y;
    if (row < topRow_) return -1;
    for (int r = topRow_; r < row && y < limit; ++r)
        y += rowHeights_[static_cast<std::size_t>(r)] + kGridLineWidth;
    return y;
}

Rect TStringGrid::CellRect(int col, int row) const {
    if (Find(col, row) == nullptr) return {};
    const int top = RowTop(row);
    if (top < 0) return {};
    const int left = ColumnLeft(col);
    return {left, top, left + colWidths_[static_cast<std::size_t>(col)],
            top + rowHeights_[static_cast<std::size_t>(row)]};
}

void TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = -1;
    row = -1;
    int foundCol = -1;
    for (int c = 0, left = 0; c < colCount_ && foundCol < 0; ++c) {
        const int right = left + colWidths_[static_cast<std::size_t>(c)] + kGridLineWidth;
        if (x >= left && x < right) foundCol = c;
        left = right;
    }
    if (foundCol < 0 || y < 0) return;
    const auto rowAt = [&](int first, int last, int top) {
        for (int r = first; r < last; ++r) {
            const int bottom = top + rowHeights_[static_cast<std::size_t>(r)] + kGridLineWidth;
            if (y < bottom) return r;
            top = bottom;
        }
        return -1;
    };
    int foundRow = rowAt(0, fixedRows_, 0);
    if (foundRow < 0) foundRow = rowAt(topRow_, rowCount_, RowTop(topRow_));
    if (foundRow < 0 || y >= viewport()->height()) return;
    col = foundCol;
    row = foundRow;
}

int TStringGrid::VisibleRowCount() const {
    const int available = viewport()->height() - std::max(RowTop(topRow_), 0);
    int count = 0;
    for (int r = topRow_, used = 0; r < rowCount_; ++r) {
        used += rowHeights_[static_cast<std::size_t>(r)] + kGridLineWidth;
        if (used > available) break;
        ++count;
    }
    return count;
}

int TStringGrid::MaxTopRow() const {
    int fixedHeight = 0;
    for (int r = 0; r < fixedRows_; ++r)
        fixedHeight += rowHeights_[static_cast<std::size_t>(r)] + kGridLineWidth;
    const int available = viewport()->height() - fixedHeight;
    int top = rowCount_;
    for (int used = 0; top > fixedRows_; --top) {
        used += rowHeights_[static_cast<std::size_t>(top - 1)] + kGridLineWidth;
        if (used > available) break;
    }
    return std::clamp(top, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
}

void TStringGrid::SetTopRow(int value) {
    value = std::clamp(value, fixedRows_, MaxTopRow());
    if (value == topRow_) return;
    topRow_ = value;
    UpdateScrollBar();
    viewport()->update();
}

void TStringGrid::UpdateScrollBar() {
    updatingScrollBar_ = true;
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, MaxTopRow() - fixedRows_);
    bar->setPageStep(std::max(1, VisibleRowCount()));
    bar->setValue(topRow_ - fixedRows_);
    updatingScrollBar_ = false;
}

void TStringGrid::scrollContentsBy(int, int) {
    if (updatingScrollBar_) return;
    topRow_ = std::clamp(verticalScrollBar()->value() + fixedRows_, fixedRows_,
                         std::max(fixedRows_, rowCount_ - 1));
    viewport()->update();
}

void TStringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    topRow_ = std::min(topRow_, MaxTopRow());
    UpdateScrollBar();
}

void TStringGrid::ScrollIntoView(int row) {
    if (row < fixedRows_) return;
    if (row < topRow_) {
        SetTopRow(row);
        return;
    }
    const int viewHeight = viewport()->height();
    if (RowTop(row) + rowHeights_[static_cast<std::size_t>(row)] + kGridLineWidth <= viewHeight) return;
    // The lowest top row that still shows the row wholly at the bottom of the view.
    int fixedHeight = 0;
    for (int r = 0; r < fixedRows_; ++r)
        fixedHeight += rowHeights_[static_cast<std::size_t>(r)] + kGridLineWidth;
    int top = row;
    int used = rowHeights_[static_cast<std::size_t>(row)] + kGridLineWidth;
    while (top > fixedRows_ &&
           fixedHeight + used + rowHeights_[static_cast<std::size_t>(top - 1)] + kGridLineWidth <=
               viewHeight) {
        --top;
        used += rowHeights_[static_cast<std::size_t>(top)] + kGridLineWidth;
    }
    SetTopRow(top);
}

bool TStringGrid::SelectCell(int col, int row) {
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

void TStringGrid::FocusCell(int col, int row) {
    if (colCount_ <= fixedCols_ || rowCount_ <= fixedRows_) return;
    col = std::clamp(col, fixedCols_, colCount_ - 1);
    row = std::clamp(row, fixedRows_, rowCount_ - 1);
    if (col == col_ && row == row_) return;
    if (!SelectCell(col, row)) return;
    col_ = col;
    row_ = row;
    ScrollIntoView(row);
    viewport()->update();
    NotifyCurrentCellMoved(this);
}

void TStringGrid::MoveColumn(int fromIndex, int toIndex) {
    if (fromIndex < 0 || fromIndex >= colCount_ || toIndex < 0 || toIndex >= colCount_ ||
        fromIndex == toIndex) {
        return;
    }
    ColumnMoved(fromIndex, toIndex);
    viewport()->update();
}

void TStringGrid::ColumnMoved(int fromIndex, int toIndex) {
    for (auto& row : cells_) MoveItem(row, fromIndex, toIndex);
    MoveItem(colWidths_, fromIndex, toIndex);
}

void TStringGrid::SizeChanged(int, int) {}

bool TStringGrid::IsCellSelected(int col, int row) const {
    if (col < fixedCols_ || row < fixedRows_ || row != row_) return false;
    return col == col_ || (options_ & goRowSelect) != 0;
}

TGridDrawState TStringGrid::DrawStateOf(int col, int row) const {
    TGridDrawState state;
    state.fixed = col < fixedCols_ || row < fixedRows_;
    state.selected = IsCellSelected(col, row);
    state.focused = col == col_ && row == row_ && hasFocus();
    return state;
}

void TStringGrid::DrawCell(platform::Canvas& canvas, int col, int row, Rect rect, TGridDrawState) {
    if (defaultDrawing_) FillAndWriteText(canvas, rect, Cells(col, row));
}

void TStringGrid::FillAndWriteText(platform::Canvas& canvas, const Rect& rect, const QString& text) {
    canvas.FillRect(rect);
    Rect textRect{rect.left + 2, rect.top + 2, rect.right, rect.bottom};
    canvas.DrawText(text, textRect, platform::DT_NOPREFIX | platform::DT_SINGLELINE);
}

void TStringGrid::PaintCell(platform::Canvas& canvas, int col, int row, const Rect& rect) {
    const TGridDrawState state = DrawStateOf(col, row);
    canvas.SetFont(font());
    canvas.SetBrushStyle(platform::BrushStyle::bsSolid);
    canvas.SetPenColor(platform::clWindowText);
    const bool highlight =
        state.selected && (!state.focused || (options_ & (goDrawFocusSelected | goRowSelect)) != 0);
    if (state.fixed) {
        canvas.SetBrushColor(fixedColor_);
        canvas.SetFontColor(platform::clWindowText);
    } else if (highlight) {
        canvas.SetBrushColor(platform::clHighlight);
        canvas.SetFontColor(platform::clHighlightText);
    } else {
        canvas.SetBrushColor(color_);
        canvas.SetFontColor(platform::clWindowText);
    }
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
    DrawCell(canvas, col, row, rect, state);
    painter.restore();
    if (!defaultDrawing_) return;
    const unsigned fixedLines = goFixedVertLine | goFixedHorzLine;
    if (state.fixed && (options_ & fixedLines) == fixedLines) {
        Rect edge = rect;
        canvas.Frame3D(edge, platform::clBtnHighlight, platform::clBtnShadow, 1);
    }
    if (state.focused && (options_ & goRowSelect) == 0) DrawFocusRect(painter, rect);
}

// A dotted ring in the inverse of the cell's colour, every other pixel.
void TStringGrid::DrawFocusRect(QPainter& painter, const Rect& rect) {
    const QColor dot = platform::ToQColor(platform::ColorToRGB(platform::clHighlight) ^ 0xFFFFFF);
    for (int x = rect.left; x < rect.right; x += 2) {
        painter.fillRect(x, rect.top, 1, 1, dot);
        painter.fillRect(x, rect.bottom - 1, 1, 1, dot);
    }
    for (int y = rect.top; y < rect.bottom; y += 2) {
        painter.fillRect(rect.left, y, 1, 1, dot);
        painter.fillRect(rect.right - 1, y, 1, 1, dot);
    }
}

void TStringGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    platform::Canvas canvas(painter);
    const int width = viewport()->width();
    const int height = viewport()->height();
    painter.fillRect(0, 0, width, height, platform::ToQColor(color_));
    const QColor fixedLine = platform::ToQColor(platform::clBlack);
    const QColor line = platform::ToQColor(platform::clSilver);
    for (int row = 0; row < rowCount_; ++row) {
        if (row == fixedRows_) row = std::max(row, topRow_);
        const int top = RowTop(row);
        if (top >= height) break;
        const int h = rowHeights_[static_cast<std::size_t>(row)];
        for (int col = 0, left = 0; col < colCount_ && left < width; ++col) {
            const int w = colWidths_[static_cast<std::size_t>(col)];
            PaintCell(canvas, col, row, {left, top, left + w, top + h});
            const bool fixed = col < fixedCols_ || row < fixedRows_;
            const bool vert = (options_ & (fixed ? goFixedVertLine : goVertLine)) != 0;
            const bool horz = (options_ & (fixed ? goFixedHorzLine : goHorzLine)) != 0;
            if (vert)
                painter.fillRect(left + w, top, kGridLineWidth, h + kGridLineWidth, fixed ? fixedLine : line);
            if (horz)
                painter.fillRect(left, top + h, w + kGridLineWidth, kGridLineWidth, fixed ? fixedLine : line);
            left += w + kGridLineWidth;
        }
    }
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    const bool rowSelect = (options_ & goRowSelect) != 0;
    const int page = std::max(1, VisibleRowCount());
    switch (event->key()) {
        case Qt::Key_Up: FocusCell(col_, row_ - 1); break;
        case Qt::Key_Down: FocusCell(col_, row_ + 1); break;
        case Qt::Key_Left: FocusCell(col_ - 1, row_); break;
        case Qt::Key_Right: FocusCell(col_ + 1, row_); break;
        case Qt::Key_PageUp: FocusCell(col_, row_ - page); break;
        case Qt::Key_PageDown: FocusCell(col_, row_ + page); break;
        case Qt::Key_Home:
            if (ctrl || rowSelect)
                FocusCell(fixedCols_, fixedRows_);
            else
                FocusCell(fixedCols_, row_);
            break;
        case Qt::Key_End:
            if (ctrl || rowSelect)
                FocusCell(colCount_ - 1, rowCount_ - 1);
            else
                FocusCell(colCount_ - 1, row_);
            break;
        default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void TStringGrid::FocusCellAt(const QPoint& pos) {
    int col = -1, row = -1;
    MouseToCell(pos.x(), pos.y(), col, row);
    if (col >= fixedCols_ && row >= fixedRows_) FocusCell(col, row);
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) FocusCellAt(event->position().toPoint());
    event->accept();
}

// Dragging with the left button held moves the current cell along with the mouse.
void TStringGrid::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) != 0) FocusCellAt(event->position().toPoint());
    event->accept();
}

// What a turn leaves short of a row is kept for the next one, as Qt's scroll areas keep it, so
// that many small turns scroll as far as one large turn; a turn the other way starts afresh.
void TStringGrid::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0 && (delta < 0) != (wheelRemainder_ < 0)) wheelRemainder_ = 0;
    const long long units = static_cast<long long>(wheelRemainder_) + delta;
    const auto rows = static_cast<int>(units / kWheelUnitsPerRow);
    wheelRemainder_ = static_cast<int>(units % kWheelUnitsPerRow);
    if (rows != 0) SetTopRow(topRow_ - rows);
    event->accept();
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TStringGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

}  // namespace controls
