// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/FileOpen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyleOptionButton>
#include <algorithm>

#include "controls/GIFImage.h"
#include "platform/AccessibleViews.h"
#include "platform/Application.h"
#include "platform/FolderEntries.h"
#include "platform/Keys.h"
#include "platform/PathParts.h"
#include "platform/Paths.h"
#include "platform/TextEncoding.h"
#include "style/Style.h"

namespace windows {

namespace {

constexpr QSize kClientSize{603, 272};
constexpr QRect kDrivePlace{0, 18, 151, 19};
constexpr QRect kDirectoryPlace{0, 41, 151, 176};
constexpr QRect kFilePlace{155, 18, 150, 199};
constexpr QRect kPreviewPlace{312, 16, 289, 217};
constexpr QRect kOKPlace{320, 242, 75, 25};
constexpr QRect kCancelPlace{400, 242, 75, 25};
constexpr QRect kShowPlace{492, 237, 97, 17};
constexpr QRect kTilePlace{492, 253, 45, 17};
constexpr int kIndentPerLevel = 10;

// Paths are bytes on Linux; Qt shows them through the locale's file-name encoding.
QString ToQt(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string FromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A name as shown: the style files' rule makes a name from an old archive that is not valid
// UTF-8 readable (caf\xe9 is "café") where the locale's decoding would leave a mark.
QString Shown(const std::string& name) { return QString::fromStdString(platform::DecodeText(name).utf8); }

// The items keep the exact bytes of their path or name, as the shown text may not give them
// back.
constexpr int kBytesRole = Qt::UserRole;
std::string BytesOf(const QListWidgetItem& item) { return item.data(kBytesRole).toByteArray().toStdString(); }

// Shown unsized, a label takes the size of its text.
QLabel* Caption(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(at);
    return label;
}

// A caption longer than its place (another language's) takes the room up to `rightLimit`
// rather than being cut off; one that fits keeps the drawn place.
void WidenToText(QCheckBox& box, int rightLimit) {
    QStyleOptionButton option;
    option.initFrom(&box);
    option.text = box.text();
    const int room = box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box).width();
    const int needed = box.fontMetrics().horizontalAdvance(box.text());
    if (needed > room) box.resize(std::min(box.width() + needed - room, rightLimit - box.x()), box.height());
}

QCheckBox* BoldCheckBox(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    QFont font = box->font();
    font.setBold(true);
    box->setFont(font);
    box->setGeometry(place);
    return box;
}

QListWidget* List(QWidget* parent, const char* name, const QRect& place) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(place);
    return list;
}

bool IsInside(const std::string& folder, const std::string& place) {
    if (place == "/") return folder.starts_with('/');
    return folder == place || (folder.size() > place.size() && folder.compare(0, place.size(), place) == 0 &&
                               folder[place.size()] == '/');
}

}  // namespace

TfrmFileOpen::TfrmFileOpen(const std::string& currentPicture, HandOverFn handOver, QWidget* parent)
    : TKeyPreviewDialog(parent), handOver_(std::move(handOver)) {
    setObjectName("frmFileOpen");
    SetUpDialogFrame(*this, tr(" Select Image"), kClientSize);

    Caption(this, "Label3", tr("Directory"), {4, 0});
    DriveComboBox1 = new platform::TNamedComboBox(this);
    DriveComboBox1->setObjectName("DriveComboBox1");
    DriveComboBox1->setGeometry(kDrivePlace);
    DirectoryListBox1 = List(this, "DirectoryListBox1", kDirectoryPlace);
    Caption(this, "Label2", tr("File ( *.gif)"), {159, 0});
    FileListBox1 = List(this, "FileListBox1", kFilePlace);
    DriveComboBox1->setAccessibleName(tr("Drive"));
    DirectoryListBox1->setAccessibleName(tr("Directory"));
    FileListBox1->setAccessibleName(tr("File"));
    Caption(this, "Label1", tr("Background Preview"), {330, 0});

    pnlPreview = new QFrame(this);
    pnlPreview->setObjectName("pnlPreview");
    pnlPreview->setFrameStyle(QFrame::Box | QFrame::Plain);
    pnlPreview->setLineWidth(1);
    pnlPreview->setGeometry(kPreviewPlace);
    GIFImagePreview = new controls::TGIFImage(pnlPreview);
    GIFImagePreview->setObjectName("GIFImagePreview");
    GIFImagePreview->setAccessibleName(tr("Background Preview"));
    GIFImagePreview->setGeometry(pnlPreview->contentsRect());

    const OkCancelButtons buttons = MakeOkCancelButtons(*this, kOKPlace, kCancelPlace);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    chkshow = BoldCheckBox(this, "chkshow", tr("Show Picture"), kShowPlace);
    chkshow->setChecked(true);
    chkTile = BoldCheckBox(this, "chkTile", tr("Tile"), kTilePlace);
    // Room to the window's edge: "Tile" is short, its translations are not.
    WidenToText(*chkTile, kClientSize.width() - 4);

    // Tab runs OK, Cancel, the folder list, the drive box, the file list and the check boxes:
    // the order they are made in but for the three moved here.
    setTabOrder(cmdCancel, DirectoryListBox1);
    setTabOrder(DirectoryListBox1, DriveComboBox1);
    setTabOrder(DriveComboBox1, FileListBox1);

    using platform::ReportingErrors;
    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this,
            ReportingErrors([this] { DriveComboBox1Change(); }));
    connect(DirectoryListBox1, &QListWidget::itemDoubleClicked, this, ReportingErrors([this] {
                if (QListWidgetItem* item = DirectoryListBox1->currentItem()) ShowDirectory(BytesOf(*item));
            }));
    connect(FileListBox1, &QListWidget::currentRowChanged, this,
            ReportingErrors([this] { FileListBox1Click(); }));
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, ReportingErrors([this] { cmdOKClick(); }));
    connect(chkshow, &QCheckBox::clicked, this, [this] { chkshowClick(); });
    connect(chkTile, &QCheckBox::clicked, this, [this] { chkTileClick(); });
    connect(cmdOK, &QPushButton::clicked, this, ReportingErrors([this] { cmdOKClick(); }));
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancelClick(); });

    EnableKeyPreview();
    FormCreate(currentPicture);
}

TfrmFileOpen::~TfrmFileOpen() = default;

std::vector<std::string> TfrmFileOpen::Places() {
    std::vector<std::string> places = {"/", FromQt(QDir::homePath())};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) places.push_back(FromQt(volume.rootPath()));
    }
    std::vector<std::string> unique;
    for (const std::string& place : places) {
        if (!place.empty() && std::find(unique.begin(), unique.end(), place) == unique.end()) {
            unique.push_back(place);
        }
    }
    return unique;
}

// The folder of the current picture, or the process's current folder when there is none or
// it is gone.
void TfrmFileOpen::FormCreate(const std::string& currentPicture) {
    const QSignalBlocker quiet(DriveComboBox1);
    for (const std::string& place : Places()) DriveComboBox1->addItem(ToQt(place), ToQt(place));
    std::string start = platform::DirectoryPart(currentPicture);
    if (!platform::DirectoryExists(start)) start = FromQt(QDir::currentPath());
    ShowDirectory(start);
    tag_ = 0;
    cmdOK->setFocus();
}

void TfrmFileOpen::SelectPlaceOf(const std::string& folder) {
    int best = -1;
    std::size_t bestLength = 0;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const std::string place = FromQt(DriveComboBox1->itemData(i).toString());
        if (IsInside(folder, place) && (best < 0 || place.size() > bestLength)) {
            best = i;
            bestLength = place.size();
        }
    }
    const QSignalBlocker quiet(DriveComboBox1);
    DriveComboBox1->setCurrentIndex(best);
}

void TfrmFileOpen::DriveComboBox1Change() {
    const int index = DriveComboBox1->currentIndex();
    if (index >= 0) ShowDirectory(FromQt(DriveComboBox1->itemData(index).toString()));
}

// The folder's ancestors from the root down to it, then its subfolders, indented by depth.
// A folder that cannot be read simply shows no subfolders and no files.
void TfrmFileOpen::ShowDirectory(const std::string& folder) {
    directory_ = folder;
    SelectPlaceOf(folder);
    std::vector<std::string> chain;
    for (std::string d = folder; !d.empty(); d = platform::DirectoryPart(d)) {
        chain.push_back(d);
        if (d == "/") break;
    }
    std::reverse(chain.begin(), chain.end());

    const QSignalBlocker quiet(DirectoryListBox1);
    DirectoryListBox1->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
    const auto add = [this](const QIcon& icon, const std::string& path, std::size_t depth) {
        const QString name = path == "/" ? QStringLiteral("/") : Shown(FileNamePart(path));
        auto* item = new QListWidgetItem(icon, name, DirectoryListBox1);
        item->setData(kBytesRole, QByteArray::fromStdString(path));
        item->setSizeHint(QSize(0, 16));
        item->setText(QString(static_cast<qsizetype>(depth) * 2, u' ') + name);
        return item;
    };
    for (std::size_t depth = 0; depth < chain.size(); ++depth) add(open, chain[depth], depth);
    DirectoryListBox1->setCurrentRow(DirectoryListBox1->count() - 1);
    for (const std::string& sub : platform::FolderEntries(folder, platform::EntryKind::Folders)) {
        add(closed, platform::JoinPath(folder, sub), chain.size());
    }
    DirectoryListBox1Change();
}

// The files whose names end in ".gif" in any letter case: on Linux names are case-sensitive,
// and pictures from cameras and downloads often end in ".GIF".
void TfrmFileOpen::DirectoryListBox1Change() {
    const QSignalBlocker quiet(FileListBox1);
    FileListBox1->clear();
    for (const std::string& name : platform::FolderEntries(directory_, platform::EntryKind::Files, ".gif")) {
        auto* item = new QListWidgetItem(Shown(name), FileListBox1);
        item->setData(kBytesRole, QByteArray::fromStdString(name));
        item->setSizeHint(QSize(0, 13));
    }
}

// The selection follows the current item, so that the file the keys move to is the one
// previewed and the one OK takes. The preview decodes it in the background and shows the
// picture before it until then. A file that cannot be shown (gone, not a GIF, or unreadable,
// which is reported) leaves the preview empty with no name, so that OK never hands over the
// file selected before.
void TfrmFileOpen::FileListBox1Click() {
    QListWidgetItem* item = FileListBox1->currentItem();
    if (item == nullptr) return;
    item->setSelected(true);
    try {
        if (!GIFImagePreview->LoadInBackground(platform::JoinPath(directory_, BytesOf(*item))))
            GIFImagePreview->Unload();
    } catch (...) {
        GIFImagePreview->Unload();
        throw;
    }
}

void TfrmFileOpen::chkshowClick() { GIFImagePreview->SetVisible(chkshow->isChecked()); }

void TfrmFileOpen::chkTileClick() {
    GIFImagePreview->SetTile(chkTile->isChecked());
    GIFImagePreview->update();
}

// The flag is set once the main window has taken the file, so that a hand-over that fails
// (a file that can no longer be read) does not count as confirmed.
void TfrmFileOpen::cmdOKClick() {
    if (FileListBox1->selectedItems().isEmpty()) {
        QApplication::beep();
        return;
    }
    const std::string path = GIFImagePreview->FileName();
    // The main window reads the file again; the preview's copy goes first, so that a large
    // picture is not held twice.
    GIFImagePreview->Unload();
    handOver_(path, FileNamePart(path));
    tag_ = 1;
    accept();
}

void TfrmFileOpen::cmdCancelClick() { reject(); }

// However the window closes, the preview's picture is let go: the window object may live on
// until its caller's scope ends.
void TfrmFileOpen::done(int result) {
    GIFImagePreview->Unload();
    TKeyPreviewDialog::done(result);
}

// Enter in the folder list opens the current folder instead of pressing OK.
bool TfrmFileOpen::FormKeyDown(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && DirectoryListBox1->hasFocus()) {
        if (QListWidgetItem* item = DirectoryListBox1->currentItem()) {
            platform::RunReportingErrors([&] { ShowDirectory(BytesOf(*item)); });
        }
        return true;
    }
    return TKeyPreviewDialog::FormKeyDown(event);
}

}  // namespace windows
