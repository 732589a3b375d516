// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "controls/LinkLabel.h"
#include "platform/Application.h"
#include "platform/Cursors.h"
#include "platform/Faces.h"
#include "platform/Keys.h"
#include "platform/Paths.h"
#include "platform/ShellOpen.h"
#include "platform/SysColors.h"
#include "platform/Translations.h"

#ifndef VELLORAN_WEB_PAGE
#define VELLORAN_WEB_PAGE ""
#endif

namespace windows {

namespace {

constexpr QSize kClientSize{257, 154};
constexpr QRect kTitlePlace{19, 4, 219, 13};
constexpr QRect kPanelPlace{20, 24, 217, 90};
constexpr QRect kWebPlace{7, 69, 204, 13};
constexpr QRect kOKPlace{99, 122, 75, 25};
constexpr int kTitleFontHeight = -12;

// A line of the panel, centred across it, so that lines of any length read as one block.
QLabel* CentredLabel(const char* name, const QString& text, QFrame* parent, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QRect inside = parent->contentsRect();
    label->setGeometry(inside.left(), top, inside.width(), label->sizeHint().height());
    return label;
}

}  // namespace

QUrl ProductWebPage() {
    const QString configured = QStringLiteral(VELLORAN_WEB_PAGE);
    if (!configured.isEmpty()) return QUrl(configured);
    // The manual's HTML copy beside the program, in the user's language where there is one.
    return QUrl::fromLocalFile(platform::ManualFile(QString::fromStdString(platform::ProgramDir())));
}

TfrmAbout::TfrmAbout(QWidget* parent) : TKeyPreviewDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    SetUpDialogFrame(*this, tr("About Velloran"), kClientSize);

    Label1 = new QLabel(tr("Velloran v%1").arg(QStringLiteral("1.0")), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(kTitlePlace);
    QFont titleFont = platform::MakeFont("MS Sans Serif", kTitleFontHeight);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    SetAccentColor(Label1, QPalette::WindowText, platform::clNavy);

    pnlAbout = new QFrame(this);
    pnlAbout->setObjectName(QStringLiteral("pnlAbout"));
    pnlAbout->setGeometry(kPanelPlace);
    pnlAbout->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlAbout->setLineWidth(1);

    Label3 = CentredLabel("Label3", tr("Velloran \u00A9 %1").arg(2026), pnlAbout, 4);
    Label8 = CentredLabel("Label8", tr("The Velloran developers"), pnlAbout, 20);
    Label6 = CentredLabel("Label6", tr("Send Questions or Comments to:"), pnlAbout, 37);
    SetAccentColor(Label6, QPalette::WindowText, platform::clMaroon);
    Label2 = CentredLabel("Label2", tr("Help > Contents"), pnlAbout, 53);

    // A link the keyboard reaches too: Tab stops on it before OK, and Space or Enter opens it.
    auto* link = new controls::TLinkLabel(tr("Velloran WebSite"), pnlAbout);
    connect(link, &controls::TLinkLabel::Activated, this, [this] { lblWebClick(); });
    lblWeb = link;
    lblWeb->setObjectName(QStringLiteral("lblWeb"));
    lblWeb->setGeometry(kWebPlace);
    lblWeb->setAlignment(Qt::AlignCenter);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    lblWeb->setFont(linkFont);
    SetAccentColor(lblWeb, QPalette::WindowText, platform::clNavy);

    BitBtn1 = MakeGlyphButton(*this, tr("OK"), QStyle::SP_DialogOkButton, kOKPlace);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    SetAccentColor(BitBtn1, QPalette::ButtonText, platform::clNavy);
    BitBtn1->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    EnableKeyPreview();
    FormCreate();
}

void TfrmAbout::FormCreate() { lblWeb->setCursor(platform::LoadCursorResource("HANDPOINTER")); }

// The OK button is the cancel button too: Esc closes the box with the OK result.
bool TfrmAbout::FormKeyDown(QKeyEvent* event) {
    if (platform::VirtualKeyOf(event->key()) != platform::VK_ESCAPE) return false;
    accept();
    return true;
}

// The box stays open, also when the page cannot be opened.
void TfrmAbout::lblWebClick() {
    platform::RunReportingErrors([] { platform::ShellOpen(ProductWebPage()); });
}

}  // namespace windows
