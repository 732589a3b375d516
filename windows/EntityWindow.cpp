// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/EntityWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <span>

#include "controls/BoxLabl.h"
#include "controls/SuperGrd.h"
#include "platform/Clipboard.h"
#include "platform/Error.h"
#include "platform/Faces.h"
#include "platform/SysColors.h"
#include "windows/DialogParts.h"
#include "windows/SpecialEntities.h"

// The window's resources live in a static library, whose resource initialiser the linker
// would drop unless something refers to it; Q_INIT_RESOURCE must be used outside any namespace.
static void InitSpecialResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(special);
        return true;
    }();
    (void)done;
}

namespace windows {

namespace {

// The column titles as the grid's description holds them, in English.
constexpr const char* kColumnTitles[] = {QT_TRANSLATE_NOOP("windows::TfrmSpecial", "Char"),
                                         QT_TRANSLATE_NOOP("windows::TfrmSpecial", "Code"),
                                         QT_TRANSLATE_NOOP("windows::TfrmSpecial", "Name")};

std::vector<std::string> TranslatedTitle(const std::vector<std::string>& lines) {
    std::vector<std::string> translated;
    for (const std::string& line : lines) {
        const bool known =
            std::find(std::begin(kColumnTitles), std::end(kColumnTitles), line) != std::end(kColumnTitles);
        translated.push_back(known ? TfrmSpecial::tr(line.c_str()).toStdString() : line);
    }
    return translated;
}

constexpr int kFontHeight = -11;
constexpr int kLargeFontHeight = -24;
constexpr int kPlacementOffset = 5;
constexpr int kColWidths[] = {42, 71, 99};
// The right edge of the copy buttons, with a gap after it.
constexpr int kCopyButtonsRight = 143 + 17 + 2;
constexpr int kCharCol = 0;
constexpr int kCodeCol = 1;
constexpr int kNameCol = 2;
// "&#" before the digits of a Code text.
constexpr int kCodePrefixLength = 2;

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(
            QCoreApplication::translate("Errors", "Missing program resource %1").arg(path).toStdString());
    return file.readAll();
}

QToolButton* CopyButton(QWidget* parent, const char* name, const QString& hint, const QRect& place) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(QPixmap(QStringLiteral(":/special/copy.xpm"))));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setGeometry(place);
    return button;
}

QLineEdit* FlatEdit(QWidget* parent, const char* name, const QRect& place) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFrame(false);
    edit->setGeometry(place);
    return edit;
}

// Shown unsized, a label takes the size of its text.
QLabel* Label(QWidget* parent, const char* name, const QString& caption, QPoint place) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->move(place);
    return label;
}

controls::TFont ReadableFont(controls::TFont font, platform::TColor background, platform::TColor themeText) {
    if (!platform::IsSystemColor(font.Color)) font.Color = ReadableAccent(font.Color, background, themeText);
    return font;
}

}  // namespace

TfrmSpecial::TfrmSpecial(QWidget* mainWindow, bool* specialOpen)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      specialOpen_(specialOpen) {
    InitSpecialResources();
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("frmSpecial");
    setWindowTitle(tr("Special Characters"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(platform::MakeFont("MS Sans Serif", kFontHeight));
    platform::SetPaletteColor(this, QPalette::WindowText, platform::clWindowText);
    BuildControls();
    BuildGrid();
    FormCreate(mainWindow);
}

void TfrmSpecial::BuildControls() {
    lblSpecial = new controls::TBoxLabel(this);
    lblSpecial->setObjectName("lblSpecial");
    lblSpecial->setGeometry(5, 2, 41, 35);
    lblSpecial->setFont(platform::MakeFont("MS Sans Serif", kLargeFontHeight));
    // The label keeps its own text border and button-face colour.
    lblSpecial->SetFontColor(ReadableAccent(platform::clBlue, platform::clBtnFace, platform::clBtnText));

    lblCode = Label(this, "lblCode", tr("Code:"), {54, 4});
    Label1 = Label(this, "Label1", tr("Name:"), {52, 24});
    txtCode = FlatEdit(this, "txtCode", {87, 1, 52, 19});
    txtName = FlatEdit(this, "txtName", {87, 21, 52, 19});
    txtCode->setAccessibleName(tr("Code"));
    txtName->setAccessibleName(tr("Name"));
    lblSpecial->setAccessibleName(tr("Character"));
    cmdCopyCode = CopyButton(this, "cmdCopyCode", tr("Copy Code"), {143, 2, 17, 18});
    cmdCopyName = CopyButton(this, "cmdCopyName", tr("Copy Name"), {143, 22, 17, 18});

    cmdHide = new QPushButton(tr("&Close"), this);
    cmdHide->setObjectName("cmdHide");
    cmdHide->setGeometry(178, 8, 58, 25);
    QFont bold = font();
    bold.setBold(true);
    cmdHide->setFont(bold);
    // A longer caption (another language's) grows the button to the left, into the free room
    // beside the copy buttons, rather than being cut off.
    const int hideRight = cmdHide->geometry().right() + 1;
    const int hideWidth = std::min(NeededButtonWidth(*cmdHide), hideRight - kCopyButtonsRight);
    if (hideWidth > cmdHide->width()) cmdHide->setGeometry(hideRight - hideWidth, 8, hideWidth, 25);

    MemoSpecial = new QPlainTextEdit(this);
    MemoSpecial->setObjectName("MemoSpecial");
    MemoSpecial->hide();
    QStringList names;
    for (const std::string_view name : kLatin1Names)
        names.append(QString::fromUtf8(name.data(), name.size()));
    MemoSpecial->setPlainText(names.join(u'\n'));

    connect(cmdCopyCode, &QToolButton::clicked, this, [this] { cmdCopyCodeClick(); });
    connect(cmdCopyName, &QToolButton::clicked, this, [this] { cmdCopyNameClick(); });
    connect(cmdHide, &QPushButton::clicked, this, [this] { cmdHideClick(); });
}

// The grid as the window's description stores it: its own settings here, its columns read
// from the stored column stream.
void TfrmSpecial::BuildGrid() {
    SuperGrid1 = new controls::TSuperGrid(this);
    SuperGrid1->setObjectName("SuperGrid1");
    SuperGrid1->setAccessibleName(tr("Special characters"));
    SuperGrid1->setGeometry(0, 41, kClientWidth, kClientHeight - 41);
    SuperGrid1->SetColor(platform::clWhite);
    SuperGrid1->SetColCount(3);
    SuperGrid1->SetRowCount(kRowCount);
    SuperGrid1->SetFixedCols(0);
    SuperGrid1->SetFixedRows(1);
    int col = 0;
    for (const int width : kColWidths) SuperGrid1->SetColWidths(col++, width);
    SuperGrid1->SetOptions(controls::goFixedVertLine | controls::goFixedHorzLine | controls::goVertLine |
                           controls::goHorzLine | controls::goDrawFocusSelected);
    const QByteArray stream = ReadResource(QStringLiteral(":/special/SuperGrid1.columns"));
    SuperGrid1->ReadDescription(std::span(reinterpret_cast<const std::uint8_t*>(stream.constData()),
                                          static_cast<std::size_t>(stream.size())));
    // A column that writes in a colour of its own (the titles' and the Char column's navy)
    // keeps it only where it reads on the theme's rows and title face.
    for (int i = 0; i < SuperGrid1->Columns().Count(); ++i) {
        controls::TColumn& column = SuperGrid1->Columns().Items(i);
        column.SetFont(ReadableFont(column.Font(), column.Color, platform::clWindowText));
        column.SetTitleFont(ReadableFont(column.TitleFont(), column.TitleColor, platform::clBtnText));
        column.SetTitle(TranslatedTitle(column.Title()));
    }
    SuperGrid1->OnSelectCell = [this](controls::TStringGrid*, int col, int row, bool& canSelect) {
        SuperGrid1SelectCell(col, row, canSelect);
    };

    // Tab walks the controls in the order they are made, which is the order they read in: the
    // fields, the copy buttons, Close, the grid, and round again.

    // Key preview: the window sees every key before the control that has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void TfrmSpecial::FormCreate(QWidget* mainWindow) {
    *specialOpen_ = true;
    if (mainWindow != nullptr) {
        move(mainWindow->frameGeometry().topLeft() + QPoint(kPlacementOffset, kPlacementOffset));
    }
    FillTable();
}

void TfrmSpecial::FillTable() {
    std::vector<std::string> lines;
    for (const QString& line : MemoSpecial->toPlainText().split(u'\n')) lines.push_back(line.toStdString());
    const std::vector<SpecialEntry> table = SpecialTable(lines);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        // Latin-1 code points are Unicode code points, so the code is the character.
        SuperGrid1->SetCells(kCharCol, row, QString(QChar(static_cast<char16_t>(table[i].code))));
        SuperGrid1->SetCells(kCodeCol, row, QString::fromStdString(CodeText(table[i].code)));
        SuperGrid1->SetCells(kNameCol, row, QString::fromStdString(table[i].name));
    }
}

// The grid starts on column 0 of row 1, and making the current cell current again runs
// nothing; so the column moves away and back, and each step shows row 1.
void TfrmSpecial::FormShow() {
    SuperGrid1->SetCol(kCodeCol);
    SuperGrid1->SetRow(1);
    SuperGrid1->SetCol(kCharCol);
    SuperGrid1->setFocus();
}

// The large character follows the Code text, not the Char column.
void TfrmSpecial::SuperGrid1SelectCell(int, int row, bool& canSelect) {
    const QString code = SuperGrid1->Cells(kCodeCol, row);
    const int n = code.mid(kCodePrefixLength).toInt();
    lblSpecial->SetCaption(QString(QChar(static_cast<char16_t>(n))));
    txtCode->setText(code);
    txtName->setText(SuperGrid1->Cells(kNameCol, row));
    canSelect = true;
}

void TfrmSpecial::cmdCopyCodeClick() { platform::SetClipboardText(txtCode->text().toStdString()); }
void TfrmSpecial::cmdCopyNameClick() { platform::SetClipboardText(txtName->text().toStdString()); }
void TfrmSpecial::cmdHideClick() { close(); }

bool TfrmSpecial::FormKeyDown(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Escape) return false;
    close();
    return true;
}

void TfrmSpecial::FormClose() { *specialOpen_ = false; }

void TfrmSpecial::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmSpecial::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

bool TfrmSpecial::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FormKeyDown(*static_cast<QKeyEvent*>(event))) return true;
    return QWidget::eventFilter(watched, event);
}

}  // namespace windows
