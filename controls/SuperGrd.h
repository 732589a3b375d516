// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "controls/GridTypes.h"
#include "controls/StringGrid.h"
#include "controls/SuperCol.h"

namespace controls {

// Per-cell control states kept in a cell's object slot.
class TSuperControlState : public TCellObject {};

class TSuperCheckBoxState : public TSuperControlState {
public:
    bool Checked = false;
};

// The string grid with a descriptor per column: multi-line titles with bevels, per-column
// fonts, colours, alignment, placement and overflow, alternating row colours, pictures and
// check boxes in cells, and an optional filling from a comma-separated data file once the
// grid's description has been read.
class TSuperGrid : public TStringGrid {
    Q_OBJECT

public:
    explicit TSuperGrid(QWidget* parent = nullptr);
    ~TSuperGrid() override;

    QString Version() const;
    void SetVersion(const QString&) {}
    QString Author() const;
    void SetAuthor(const QString&) {}

    TColumns& Columns() { return columns_; }
    const TColumns& Columns() const { return columns_; }
    // Copies the collection, frees every check-box state and redoes the control cells.
    void SetColumns(const TColumns& columns);

    // Reads the grid's stored description (see ColumnStream.h) and completes the set-up as
    // after a window's form has been read: control cells, then the data file when LoadData
    // is on. A damaged description, a data file that cannot be read or a picture that
    // cannot be loaded throws platform::Error to the caller.
    void ReadDescription(std::span<const std::uint8_t> bytes);
    // The set-up that follows reading a description.
    void Loaded();
    void LoadDataFile();

    // Called for every cell drawn, after the grid's colour and font choice and before
    // anything is painted; the canvas carries the brush, pen and font to adjust.
    std::function<void(TSuperGrid* Sender, int ACol, int ARow, platform::Canvas& canvas,
                       TGridDrawState AState)>
        OnGetCellCanvasInfo;
    std::function<void(TSuperGrid* Sender, int ACol, int ARow, bool IsChecked)> OnCheckBoxClick;

    // The bitmap resource names of the check-box images.
    static constexpr std::array<const char*, 5> kCheckBoxImageNames{
        "STANDARD_CB_ON", "STANDARD_CB_OFF", "CHECKMARK_CB_ON", "PLAIN_CB_ON", "PLAIN_CB_OFF"};
    static QImage CheckBoxImage(const char* name);
    static QFont ToQFont(const TFont& font);

protected:
    void DrawCell(platform::Canvas& canvas, int col, int row, platform::Rect rect,
                  TGridDrawState state) override;
    void SizeChanged(int oldColCount, int oldRowCount) override;
    void ColumnMoved(int fromIndex, int toIndex) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ConnectColumns();
    void SetupControlCells(int firstRow, int lastRow);
    const QImage* CellImage(const TCellObject* object, const TColumn* column) const;
    void DrawCellImage(platform::Canvas& canvas, const QImage& image, platform::Rect& rect,
                       const TColumn* column) const;
    void DrawTitle(platform::Canvas& canvas, const TColumn& column, platform::Rect r) const;
    void DrawCellText(platform::Canvas& canvas, const QString& text, platform::Rect r,
                      const TColumn& column) const;
    void ClearDataRows();
    void ParseLineIntoRow(std::string_view line, int row);

    TColumns columns_;
    std::array<QImage, 5> checkBoxImages_;
    int pressedCol_ = -1;
    int pressedRow_ = -1;
};

}  // namespace controls
