// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/SelectFont.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "controls/BoxLabl.h"
#include "platform/Faces.h"
#include "platform/Keys.h"
#include "platform/SysColors.h"
#include "windows/DialogParts.h"

namespace windows {

namespace {

constexpr QSize kClientSize{329, 91};
constexpr platform::TColor kFormColor = 8421440;  // red 64, green 128, blue 128
constexpr QRect kListPlace{0, 0, 119, 91};
constexpr int kListItemHeight = 13;
constexpr QRect kPreviewPlace{124, 6, 201, 31};
constexpr int kPreviewFontHeight = -19;  // pixels
constexpr int kPreviewTextBorder = 2;
constexpr QRect kOKPlace{135, 60, 75, 25};
constexpr QRect kCancelPlace{225, 60, 75, 25};

// The installed faces in alphabetical order ignoring case; names that differ only in case
// keep a fixed order between them.
QStringList SortedFaces() {
    QStringList faces;
    for (const std::string& face : platform::InstalledFaces()) faces.append(QString::fromStdString(face));
    std::sort(faces.begin(), faces.end(), [](const QString& a, const QString& b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return faces;
}

}  // namespace

TfrmSelectFont::TfrmSelectFont(AddAltFaceFn addAltFace, QWidget* parent)
    : TKeyPreviewDialog(parent), addAltFace_(std::move(addAltFace)) {
    SetUpDialogFrame(*this, tr(" Select Font"), kClientSize);
    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window, platform::ToQColor(kFormColor));
    setPalette(formPalette);
    setAutoFillBackground(true);

    LboAltFonts = new QListWidget(this);
    LboAltFonts->setObjectName(QStringLiteral("LboAltFonts"));
    LboAltFonts->setAccessibleName(tr("Fonts"));
    LboAltFonts->setGeometry(kListPlace);
    LboAltFonts->setSelectionMode(QAbstractItemView::SingleSelection);
    LboAltFonts->setUniformItemSizes(true);
    SetFixedRowHeight(*LboAltFonts, kListItemHeight);
    QPalette listPalette = LboAltFonts->palette();
    listPalette.setColor(QPalette::Base, platform::ToQColor(platform::clWhite));
    listPalette.setColor(QPalette::Text, platform::ToQColor(platform::clBlack));
    LboAltFonts->setPalette(listPalette);

    lblPreview = new controls::TBoxLabel(this);
    lblPreview->setObjectName(QStringLiteral("lblPreview"));
    lblPreview->setGeometry(kPreviewPlace);
    lblPreview->SetTextBorder(kPreviewTextBorder);
    lblPreview->SetColor(platform::clSilver);
    lblPreview->SetFontColor(platform::clBlack);
    lblPreview->setFont(platform::MakeFont("MS Sans Serif", kPreviewFontHeight));

    const OkCancelButtons buttons = MakeOkCancelButtons(*this, kOKPlace, kCancelPlace);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    setTabOrder(LboAltFonts, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    connect(LboAltFonts, &QListWidget::currentRowChanged, this, &TfrmSelectFont::LboAltFontsClick);
    connect(LboAltFonts, &QListWidget::itemDoubleClicked, this, &TfrmSelectFont::cmdOKClick);
    // A list box always has its one selected entry; Ctrl+click must not leave it with none.
    connect(LboAltFonts, &QListWidget::itemSelectionChanged, this, [this] {
        QListWidgetItem* current = LboAltFonts->currentItem();
        if (current && LboAltFonts->selectedItems().isEmpty()) current->setSelected(true);
    });
    connect(cmdOK, &QPushButton::clicked, this, &TfrmSelectFont::cmdOKClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmSelectFont::cmdCancelClick);
    EnableKeyPreview();

    FormCreate();
}

void TfrmSelectFont::FormCreate() {
    LboAltFonts->addItems(SortedFaces());
    // With no face to offer there is nothing to add: OK stays off and the sample empty.
    cmdOK->setEnabled(LboAltFonts->count() > 0);
    if (LboAltFonts->count() > 0) LboAltFonts->setCurrentRow(0);
    ShowFontSample();
    LboAltFonts->setFocus();
}

void TfrmSelectFont::LboAltFontsClick() { ShowFontSample(); }

// The label shows the name of the face the font actually got, written in it: a face the
// desktop lacks shows as the face that stands in for it.
void TfrmSelectFont::ShowFontSample() {
    const QListWidgetItem* selected = LboAltFonts->currentItem();
    if (!selected) {
        lblPreview->SetCaption(QString());
        return;
    }
    lblPreview->setFont(platform::MakeFont(selected->text().toStdString(), kPreviewFontHeight));
    lblPreview->SetCaption(SampleCaption(selected->text(), QFontInfo(lblPreview->font()).family()));
}

namespace {

// Qt names a family that several foundries make with the foundry after it: "C059 [UKWN]".
QString WithoutFoundry(const QString& family) {
    if (!family.endsWith(u']')) return family;
    const qsizetype open = family.lastIndexOf(QStringLiteral(" ["));
    return open > 0 ? family.left(open) : family;
}

}  // namespace

QString SampleCaption(const QString& listedName, const QString& reportedFamily) {
    if (QString::compare(WithoutFoundry(listedName), WithoutFoundry(reportedFamily), Qt::CaseInsensitive) ==
        0) {
        return listedName;
    }
    // A web face drawn with its metric twin ("Courier New" with "Liberation Mono") is the
    // face the user chose, and the one a page will name.
    if (!platform::InstalledTwins(listedName.toStdString(), {WithoutFoundry(reportedFamily).toStdString()})
             .empty()) {
        return listedName;
    }
    return WithoutFoundry(reportedFamily);
}

void TfrmSelectFont::cmdOKClick() {
    const QListWidgetItem* selected = LboAltFonts->currentItem();
    if (!selected) return;
    if (addAltFace_) addAltFace_(selected->text());
    accept();
}

void TfrmSelectFont::cmdCancelClick() { reject(); }

}  // namespace windows
