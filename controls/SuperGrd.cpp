// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SuperGrd.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "controls/ColumnStream.h"
#include "controls/GridDataFile.h"
#include "controls/Picture.h"
#include "controls/SuperGridPaint.h"
#include "platform/Error.h"
#include "platform/FileBytes.h"
#include "platform/TextEncoding.h"
#include "platform/Translate.h"

// The images live in a static library, whose resource initialiser the linker would drop
// unless something refers to it; Q_INIT_RESOURCE must be used outside any namespace.
static void InitSuperGridResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(supergrid);
        return true;
    }();
    (void)done;
}

namespace controls {

using platform::Rect;

namespace {

enum CheckBoxImage { kStandardOn, kStandardOff, kCheckMarkOn, kPlainOn, kPlainOff };

unsigned AlignmentFlags(std::uint8_t alignment) {
    switch (static_cast<TColumnAlignment>(alignment)) {
        case TColumnAlignment::taRightJustify: return platform::DT_RIGHT;
        case TColumnAlignment::taCenter: return platform::DT_CENTER;
        default: return platform::DT_LEFT;
    }
}

constexpr long long kMaxFontPixels = 1000;

int TextHeight(const platform::Canvas& canvas) {
    const QFontMetrics metrics(canvas.Font());
    return metrics.ascent() + metrics.descent();
}

}  // namespace

TSuperGrid::TSuperGrid(QWidget* parent) : TStringGrid(parent) {
    ConnectColumns();
    for (std::size_t i = 0; i < kCheckBoxImageNames.size(); ++i) {
        checkBoxImages_[i] = CheckBoxImage(kCheckBoxImageNames[i]);
    }
}

TSuperGrid::~TSuperGrid() { columns_.OnChange = nullptr; }

QImage TSuperGrid::CheckBoxImage(const char* name) {
    InitSuperGridResources();
    return QImage(QStringLiteral(":/supergrid/") + QLatin1String(name)).convertToFormat(QImage::Format_RGB32);
}

QString TSuperGrid::Version() const {
    return QString::fromUtf8(kSuperGridVersion.data(), kSuperGridVersion.size());
}

QString TSuperGrid::Author() const {
    return QString::fromUtf8(kSuperGridAuthor.data(), kSuperGridAuthor.size());
}

QFont TSuperGrid::ToQFont(const TFont& font) {
    QFont result(QString::fromStdString(font.Name));
    // A height from a damaged description can be anything an int holds; no cell shows more
    // than a glyph or two of a font this large anyway.
    const long long pixels = std::llabs(static_cast<long long>(font.Height));
    if (pixels != 0) result.setPixelSize(static_cast<int>(std::min<long long>(pixels, kMaxFontPixels)));
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setStrikeOut(font.StrikeOut);
    if (font.Pitch == TFontPitch::fpFixed) {
        result.setFixedPitch(true);
        result.setStyleHint(QFont::Monospace);
    }
    return result;
}

void TSuperGrid::ConnectColumns() {
    columns_.OnChange = [this] { viewport()->update(); };
}

void TSuperGrid::SetColumns(const TColumns& columns) {
    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            if (dynamic_cast<TSuperCheckBoxState*>(Objects(col, row)) != nullptr)
                SetObjects(col, row, nullptr);
        }
    }
    columns_.Assign(columns);
    ConnectColumns();
    SetupControlCells(FixedRows(), RowCount() - 1);
    viewport()->update();
}

void TSuperGrid::ReadDescription(std::span<const std::uint8_t> bytes) {
    ReadSuperGridStream(bytes, columns_);
    Loaded();
}

void TSuperGrid::Loaded() {
    SetupControlCells(FixedRows(), RowCount() - 1);
    if (columns_.LoadData()) LoadDataFile();
}

void TSuperGrid::SetupControlCells(int firstRow, int lastRow) {
    const int cols = std::min(ColCount(), columns_.Count());
    for (int col = 0; col < cols; ++col) {
        const TColumn& column = columns_.Items(col);
        if (column.ControlType == kControlNone) continue;
        for (int row = std::max(firstRow, FixedRows()); row <= lastRow; ++row) {
            if (Cells(col, row).isEmpty()) SetCells(col, row, QStringLiteral(" "));
            if (column.ControlType == kControlCheckBox) {
                auto state = std::make_unique<TSuperCheckBoxState>();
                state->Checked = column.CheckBoxDefault;
                SetObjects(col, row, std::move(state));
            }
        }
    }
}

void TSuperGrid::SizeChanged(int oldColCount, int oldRowCount) {
    TStringGrid::SizeChanged(oldColCount, oldRowCount);
    if (RowCount() > oldRowCount) SetupControlCells(oldRowCount, RowCount() - 1);
}

// Descriptors travel with their columns; a column that has none yet gets a default one,
// recording its current width, so that the move has something to carry.
void TSuperGrid::ColumnMoved(int fromIndex, int toIndex) {
    for (int k = columns_.Count(); k <= std::max(fromIndex, toIndex); ++k) {
        TColumn column;
        column.SetWidth(ColWidths(k));
        columns_.Add(column);
    }
    columns_.Move(fromIndex, toIndex);
    TStringGrid::ColumnMoved(fromIndex, toIndex);
}

const QImage* TSuperGrid::CellImage(const TCellObject* object, const TColumn* column) const {
    if (const auto* picture = dynamic_cast<const TPicture*>(object)) return &picture->Graphic();
    const auto* checkBox = dynamic_cast<const TSuperCheckBoxState*>(object);
    if (checkBox == nullptr) return nullptr;
    const std::uint8_t style = column != nullptr ? column->CheckBoxStyle : kCheckBoxStandard;
    int image = checkBox->Checked ? kStandardOn : kStandardOff;
    if (style == kCheckBoxCheckMark) image = checkBox->Checked ? kCheckMarkOn : kStandardOff;
    if (style == kCheckBoxPlain) image = checkBox->Checked ? kPlainOn : kPlainOff;
    return &checkBoxImages_[static_cast<std::size_t>(image)];
}

void TSuperGrid::DrawCellImage(platform::Canvas& canvas, const QImage& image, Rect& rect,
                               const TColumn* column) const {
    const int top = ImageTop(rect, image.height(), column != nullptr, column != nullptr ? column->Layout : 0);
    canvas.Draw(rect.left + kCellImageMargin, top, image);
    rect.left += image.width() + 2 * kCellImageMargin;
}

void TSuperGrid::DrawTitle(platform::Canvas& canvas, const TColumn& column, Rect r) const {
    if (column.TitleBevelInner != 0 || column.TitleBevelOuter != 0) {
        for (FrameRing ring : TitleFrame(column, r)) {
            canvas.Frame3D(ring.rect, ring.topLeft, ring.bottomRight, ring.width);
        }
    }
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    const int lineHeight = TextHeight(canvas);
    const std::vector<int> heights(column.Title().size(), lineHeight);
    r.top = TitleTop(r, heights, column.TitleLayout);
    for (const std::string& line : column.Title()) {
        Rect lineRect = r;
        canvas.DrawText(QString::fromStdString(line), lineRect,
                        AlignmentFlags(column.TitleAlignment) | platform::DT_NOPREFIX);
        r.top += lineHeight + 2;
    }
}

void TSuperGrid::DrawCellText(platform::Canvas& canvas, const QString& text, Rect r,
                              const TColumn& column) const {
    unsigned flags = AlignmentFlags(column.Alignment) | platform::DT_NOPREFIX;
    if (column.TextOverflow == kOverflowWordWrap) flags |= platform::DT_WORDBREAK;
    QString shown = text;
    if (column.TextOverflow == kOverflowEllipsis) {
        const QFontMetrics metrics(canvas.Font());
        shown = EllipsisText(text, r.right - r.left + 1,
                             [&metrics](const QString& s) { return metrics.horizontalAdvance(s); });
    }
    if (column.Layout != kLayoutTop) {
        Rect measured = r;
        canvas.DrawText(shown, measured, flags | platform::DT_CALCRECT);
        r.top = TextTop(r, measured.bottom - measured.top, column.Layout);
    }
    canvas.DrawText(shown, r, flags);
}

void TSuperGrid::DrawCell(platform::Canvas& canvas, int col, int row, Rect rect, TGridDrawState state) {
    if (!DefaultDrawing()) {
        TStringGrid::DrawCell(canvas, col, row, rect, state);
        return;
    }
    const TColumn* column = col < columns_.Count() ? &columns_.Items(col) : nullptr;
    CellPlace place{
        col, row, FixedRows(), state, (Options() & goDrawFocusSelected) != 0, (Options() & goRowSelect) != 0};
    const CellLook look = ChooseCellLook(columns_, place, canvas.BrushColor(), canvas.FontColor());
    canvas.SetBrushColor(look.brush);
    if (look.font != nullptr) canvas.SetFont(ToQFont(*look.font));
    canvas.SetFontColor(look.fontColor);
    if (OnGetCellCanvasInfo) OnGetCellCanvasInfo(this, col, row, canvas, state);
    canvas.FillRect(rect);
    if (const QImage* image = CellImage(Objects(col, row), column))
        DrawCellImage(canvas, *image, rect, column);
    if (column == nullptr) {
        FillAndWriteText(canvas, rect, Cells(col, row));
        return;
    }
    const Rect r{rect.left + kCellTextInset, rect.top + kCellTextInset, rect.right - kCellTextInset,
                 rect.bottom - kCellTextInset};
    if (row == 0 && state.fixed) {
        DrawTitle(canvas, *column, r);
    } else {
        DrawCellText(canvas, Cells(col, row), r, *column);
    }
}

void TSuperGrid::mousePressEvent(QMouseEvent* event) {
    pressedCol_ = -1;
    pressedRow_ = -1;
    if (event->button() == Qt::LeftButton) {
        const QPoint pos = event->position().toPoint();
        MouseToCell(pos.x(), pos.y(), pressedCol_, pressedRow_);
    }
    TStringGrid::mousePressEvent(event);
}

void TSuperGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        int col = -1, row = -1;
        const QPoint pos = event->position().toPoint();
        MouseToCell(pos.x(), pos.y(), col, row);
        auto* checkBox = dynamic_cast<TSuperCheckBoxState*>(Objects(col, row));
        if (col == pressedCol_ && row == pressedRow_ && col != -1 && row != -1 && checkBox != nullptr) {
            checkBox->Checked = !checkBox->Checked;
            viewport()->update();
            if (OnCheckBoxClick) OnCheckBoxClick(this, col, row, checkBox->Checked);
        }
    }
    TStringGrid::mouseReleaseEvent(event);
}

void TSuperGrid::ClearDataRows() {
    for (int row = FixedRows(); row < RowCount(); ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            const TCellObject* object = Objects(col, row);
            if (object == nullptr) {
                SetCells(col, row, QString());
            } else if (dynamic_cast<const TPicture*>(object) != nullptr) {
                SetObjects(col, row, nullptr);
                SetCells(col, row, QString());
            } else if (dynamic_cast<const TSuperControlState*>(object) != nullptr) {
                SetCells(col, row, QStringLiteral(" "));
            }
        }
    }
}

void TSuperGrid::ParseLineIntoRow(std::string_view line, int row) {
    const StripRules strip{columns_.StripLeading(), columns_.StripTrailing()};
    for (const DataField& field : ParseDataLine(line, ColCount(), strip)) {
        if (field.kind == DataField::Kind::Text) {
            SetCells(field.column, row, QString::fromStdString(field.text));
            continue;
        }
        const QString path = QString::fromStdString(field.text);
        if (!QFileInfo(path).isFile() || Objects(field.column, row) != nullptr) continue;
        if (Cells(field.column, row).isEmpty()) SetCells(field.column, row, QStringLiteral(" "));
        auto picture = std::make_unique<TPicture>();
        picture->LoadFromFile(field.text);
        SetObjects(field.column, row, std::move(picture));
    }
}

// A data file comes from wherever the user's table was made: it is read as the style files
// are (a byte order mark, else UTF-8 when it is valid, else Windows-1252), and a pipe or a
// device named as the data file is refused rather than waited on.
void TSuperGrid::LoadDataFile() {
    ClearDataRows();
    const std::string& name = columns_.DataFileName();
    if (name.empty()) return;
    const platform::FileContent file = platform::ReadRegularFile(name, kMaxDataFileBytes);
    if (file.state == platform::FileContent::State::Missing) return;
    if (file.state != platform::FileContent::State::Read)
        throw platform::Error(
            platform::Arg(platform::Translate("Errors", "Unable to read the data file %1"), {name}));
    const std::string content = platform::DecodeText(file.bytes).utf8;
    int row = FixedRows();
    for (const std::string_view line : SplitDataLines(content)) {
        if (row >= RowCount()) {
            if (!columns_.AddRows()) break;
            SetRowCount(RowCount() + 1);
        }
        ParseLineIntoRow(line, row);
        ++row;
    }
}

}  // namespace controls
