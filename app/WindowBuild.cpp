// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's construction: its bands, the Body page and the bottom band, and how
// their controls are wired to the window's commands.
#include "app/main.h"

#include <QApplication>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AccessibleNames.h"
#include "app/Glyphs.h"
#include "app/PageCommands.h"
#include "platform/Application.h"
#include "platform/Faces.h"
#include "platform/HelpViewer.h"
#include "platform/SysColors.h"
#include "platform/SysMetrics.h"
#include "windows/DialogParts.h"

namespace {

constexpr QSize kOuterSize(403, 455);
constexpr int kMemoTagHeight = 43;
constexpr int kPagesHeight = 115;
constexpr int kBottomHeight = 101;
// Darker than the classic green, so the title reads on the silver band at 4.5:1 or more.
constexpr platform::TColor kDarkGreen = 0x005500;
constexpr platform::TColor kNavy = 0x800000;

QRadioButton* Radio(const char* name, const QString& caption, QWidget* parent, QPoint at) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->move(at);
    button->adjustSize();
    return button;
}

QPushButton* BoldNavyButton(const char* name, const QString& caption, QWidget* parent, QRect place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    // Navy text on the classic button face, whatever the desktop's buttons look like.
    platform::SetPaletteColor(button, QPalette::ButtonText, kNavy);
    platform::SetPaletteColor(button, QPalette::Button, platform::clSilver);
    return button;
}

}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : controls::TGradientForm(parent) {
    JustOne321 = new controls::TJustOne32(this);
    setObjectName("frmMain");
    SetBorderIcons(controls::biSystemMenu | controls::biMinimize);
    setFont(platform::MakeFont("MS Sans Serif", -11));
    // The manual's links follow the rule of the program's other accents.
    platform::SetHelpLinkColorRule(windows::ReadableLinkColor);

    auto* client = new QWidget(this);
    auto* bands = new QVBoxLayout(client);
    bands->setContentsMargins(0, 0, 0, 0);
    bands->setSpacing(0);

    PanelTop = new TPreview(client);
    bands->addWidget(PanelTop, 1);

    MemoTag = new QPlainTextEdit(client);
    MemoTag->setObjectName("MemoTag");
    MemoTag->setFixedHeight(kMemoTagHeight);
    MemoTag->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MemoTag->setTabChangesFocus(true);
    platform::SetPaletteColor(MemoTag, QPalette::Base, platform::clWhite);
    platform::SetPaletteColor(MemoTag, QPalette::Text, platform::clBlack);
    bands->addWidget(MemoTag);

    PC1 = new QTabWidget(client);
    PC1->setObjectName("PC1");
    PC1->setFixedHeight(kPagesHeight);
    fontPanel = new TFontPanel(style_, *PanelTop);
    fontPanel->ShowFontTag = [this] { ShowFontTag(); };
    PC1->addTab(fontPanel, tr(" Font"));
    PC1->addTab(BuildBodyPage(), tr(" Body"));
    bands->addWidget(PC1);

    bands->addWidget(BuildBottomBand());
    setCentralWidget(client);
    history_ = new TStyleHistory(
        *this, style_, [this] { SetBarsFromColor(TargetColor()); }, this);
    BuildMenu();
    JustOne321->OpenStyle = [this](const std::string& path) {
        platform::RunReportingErrors([&] { OpenStyleFromOutside(path); });
    };

    connect(fontPanel->cmdCopyFontTag, &QToolButton::clicked, this,
            platform::ReportingErrors([this] { cmdCopyFontTagClick(); }));
    connect(fontPanel->cmdCopyFontTagText, &QToolButton::clicked, this,
            platform::ReportingErrors([this] { cmdCopyFontTagTextClick(); }));
    connect(PC1, &QTabWidget::currentChanged, this, platform::ReportingErrors([this] { PC1Change(); }));
    colorPanel->OnBarChanged = [this] {
        ApplyBarsToTarget();
        if (FontPageActive()) {
            ShowFontTag();
        } else {
            ShowBodyTag();
        }
    };

    // Ctrl+A is Save As everywhere in the window; the text fields would take it for
    // "select all" otherwise.
    for (QWidget* field : std::initializer_list<QWidget*>{MemoTag, colorPanel->TxtRed, colorPanel->TxtGreen,
                                                          colorPanel->TxtBlue}) {
        field->installEventFilter(this);
    }

    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) ApplicationActivate();
    });

    ChooseStyleToOpen = [this] { return ShowStyleDialog(true); };
    ChooseStyleToSaveAs = [this] { return ShowStyleDialog(false); };
    AskToSave = [this](const std::string& question) { return AskYesNoCancel(question); };
    ChoosePageToExport = [this](const std::string& suggested) { return ShowPageDialog(this, suggested); };
    AskToCloseAnyway = [this](const std::string& message) { return ShowCloseAnywayBox(message); };

    // The window's outer size holds the classic frame, caption and menu bar.
    menuBar()->setFixedHeight(platform::GetSystemMetrics(platform::SM_CYMENU));
    resize(kOuterSize);
    NameControlsForScreenReaders(*this);
}

QWidget* TfrmMain::BuildBodyPage() {
    TabSheetBody = new QWidget;
    TabSheetBody->setObjectName("TabSheetBody");
    GroupBoxSelectBodyColor = new QGroupBox(tr("Current Color Selection"), TabSheetBody);
    GroupBoxSelectBodyColor->setObjectName("GroupBoxSelectBodyColor");
    GroupBoxSelectBodyColor->setGeometry(4, 0, 300, 78);
    chkBackground = Radio("chkBackground", tr("Background"), GroupBoxSelectBodyColor, {8, 23});
    chkNormal = Radio("chkNormal", tr("Normal Text"), GroupBoxSelectBodyColor, {104, 23});
    chkVisited = Radio("chkVisited", tr("Visited Links"), GroupBoxSelectBodyColor, {9, 47});
    chkLinks = Radio("chkLinks", tr("New Links"), GroupBoxSelectBodyColor, {104, 47});
    chkHighlight = Radio("chkHighlight", tr("Highlighted Links"), GroupBoxSelectBodyColor, {184, 47});
    chkBackground->setChecked(true);
    for (QRadioButton* radio : {chkBackground, chkNormal, chkVisited, chkLinks, chkHighlight}) {
        OnRadioClick(radio, [this] { TargetRadioClick(); });
    }
    cmdBodyTag = new QToolButton(TabSheetBody);
    cmdBodyTag->setObjectName("cmdBodyTag");
    cmdBodyTag->setIcon(glyphs::CopyTag());
    cmdBodyTag->setToolTip(tr("Copy Body Tag "));
    cmdBodyTag->setGeometry(312, 28, 20, 20);
    connect(cmdBodyTag, &QToolButton::clicked, this,
            platform::ReportingErrors([this] { cmdBodyTagClick(); }));
    return TabSheetBody;
}

QWidget* TfrmMain::BuildBottomBand() {
    PnlBottom = new QWidget;
    PnlBottom->setObjectName("PnlBottom");
    PnlBottom->setFixedHeight(kBottomHeight);
    PnlBottom->setAutoFillBackground(true);
    platform::SetPaletteColor(PnlBottom, QPalette::Window, platform::clSilver);
    platform::SetPaletteColor(PnlBottom, QPalette::WindowText, platform::clBlack);
    // The band's fields and radio buttons are read on its silver too, whatever the theme.
    platform::SetPaletteColor(PnlBottom, QPalette::Base, platform::clWhite);
    platform::SetPaletteColor(PnlBottom, QPalette::Text, platform::clBlack);

    colorPanel = new TColorPanel(PnlBottom);
    colorPanel->move(5, 5);

    GroupBoxBGImage = new QGroupBox(tr("Background"), PnlBottom);
    GroupBoxBGImage->setObjectName("GroupBoxBGImage");
    GroupBoxBGImage->setGeometry(258, 1, 130, 70);
    platform::SetPaletteColor(GroupBoxBGImage, QPalette::WindowText, kDarkGreen);
    ShapeBGcolor = new QWidget(GroupBoxBGImage);
    ShapeBGcolor->setObjectName("ShapeBGcolor");
    ShapeBGcolor->setGeometry(8, 18, 21, 21);
    ShapeBGcolor->setAutoFillBackground(true);
    optColor = Radio("optColor", tr("Color"), GroupBoxBGImage, {38, 14});
    optPicture = Radio("optPicture", tr("Picture"), GroupBoxBGImage, {38, 31});
    optColor->setChecked(true);
    OnRadioClick(optColor, [this] { optColorClick(); });
    OnRadioClick(optPicture, [this] { optPictureClick(); });
    lblFilename = new controls::TBoxLabel(GroupBoxBGImage);
    lblFilename->setObjectName("lblFilename");
    lblFilename->setGeometry(8, 47, 85, 18);
    lblFilename->SetBevelOuter(controls::TBevelStyle::bvNone);
    lblFilename->SetBevelInner(controls::TBevelStyle::bvLowered);
    lblFilename->SetCaption("");
    // The radio buttons give up the spare margin below their text rather than lie under the
    // next control: the file-name box would cover the foot of "Picture".
    optColor->resize(optColor->width(), std::min(optColor->height(), optPicture->y() - optColor->y()));
    optPicture->resize(optPicture->width(),
                       std::min(optPicture->height(), lblFilename->y() - optPicture->y()));
    cmdBrowse = new QToolButton(GroupBoxBGImage);
    cmdBrowse->setObjectName("cmdBrowse");
    cmdBrowse->setText("...");
    cmdBrowse->setGeometry(97, 47, 24, 18);
    connect(cmdBrowse, &QToolButton::clicked, this, platform::ReportingErrors([this] { cmdBrowseClick(); }));

    cmdColors = BoldNavyButton("cmdColors", tr("&More..."), PnlBottom, {258, 74, 58, 21});
    cmdSpecial = BoldNavyButton("cmdSpecial", tr("&Special..."), PnlBottom, {320, 74, 68, 21});
    // Up to the next button, and up to the band's right edge.
    windows::WidenToCaption(*cmdColors, 318);
    windows::WidenToCaption(*cmdSpecial, kOuterSize.width() - 11);
    connect(cmdColors, &QPushButton::clicked, this, platform::ReportingErrors([this] { cmdColorsClick(); }));
    connect(cmdSpecial, &QPushButton::clicked, this,
            platform::ReportingErrors([this] { cmdSpecialClick(); }));
    return PnlBottom;
}
