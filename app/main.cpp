#include "app/main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AccessibleNames.h"
#include "app/BrowserView.h"
#include "app/Glyphs.h"
#include "app/PageCommands.h"
#include "app/PickFromScreen.h"
#include "app/TagArea.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Error.h"
#include "platform/Faces.h"
#include "platform/HelpViewer.h"
#include "platform/Paths.h"
#include "platform/SysColors.h"
#include "platform/SysMetrics.h"
#include "style/SettingsHome.h"
#include "style/TagText.h"
#include "windows/Colors.h"
#include "windows/FileOpen.h"
#include "windows/Special.h"
#include "windows/about.h"
#include "windows/options.h"

namespace {

constexpr QSize kOuterSize(403, 455);
constexpr int kMemoTagHeight = 43;
constexpr int kPagesHeight = 115;
constexpr int kBottomHeight = 101;
// Darker than the classic green, so the title reads on the silver band at 4.5:1 or more.
constexpr platform::TColor kDarkGreen = 0x005500;
constexpr platform::TColor kNavy = 0x800000;

QRadioButton* Radio(const char* name, const char* caption, QWidget* parent, QPoint at) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->move(at);
    button->adjustSize();
    return button;
}

QPushButton* BoldNavyButton(const char* name, const char* caption, QWidget* parent, QRect place) {
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
    PC1->addTab(fontPanel, " Font");
    PC1->addTab(BuildBodyPage(), " Body");
    bands->addWidget(PC1);

    bands->addWidget(BuildBottomBand());
    setCentralWidget(client);
    history_ = new TStyleHistory(
        *this, style_, [this] { SetBarsFromColor(TargetColor()); }, this);
    BuildMenu();
    JustOne321->OpenStyle = [this](const std::string& path) {
        platform::RunReportingErrors([&] { OpenStyleFile(path); });
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

    // The window's outer size holds the classic frame, caption and menu bar.
    menuBar()->setFixedHeight(platform::GetSystemMetrics(platform::SM_CYMENU));
    resize(kOuterSize);
    NameControlsForScreenReaders(*this);
}

std::string TfrmMain::ShowStyleDialog(bool open) {
    QFileDialog dialog(this, open ? "Select Style" : "Save Current Style As",
                       QString::fromStdString(settingsDir_), ".style files (*.vls)");
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // A name typed without an extension gets ".vls"; saving over a file asks first.
    if (!open) dialog.setDefaultSuffix("vls");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
}

TSaveAnswer TfrmMain::AskYesNoCancel(const std::string& question) {
    QMessageBox box(QMessageBox::Question, "Confirm", QString::fromStdString(question), QMessageBox::NoButton,
                    this);
    QPushButton* yes = box.addButton("&Yes", QMessageBox::YesRole);
    QPushButton* no = box.addButton("&No", QMessageBox::NoRole);
    QPushButton* cancel = box.addButton("Cancel", QMessageBox::RejectRole);
    // Yes would write a partly read style over a file; that must be a deliberate choice.
    box.setDefaultButton(origin_.partlyReadFrom ? no : yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return TSaveAnswer::Yes;
    if (box.clickedButton() == no) return TSaveAnswer::No;
    return TSaveAnswer::Cancel;
}

QWidget* TfrmMain::BuildBodyPage() {
    TabSheetBody = new QWidget;
    TabSheetBody->setObjectName("TabSheetBody");
    GroupBoxSelectBodyColor = new QGroupBox("Current Color Selection", TabSheetBody);
    GroupBoxSelectBodyColor->setObjectName("GroupBoxSelectBodyColor");
    GroupBoxSelectBodyColor->setGeometry(4, 0, 300, 78);
    chkBackground = Radio("chkBackground", "Background", GroupBoxSelectBodyColor, {8, 23});
    chkNormal = Radio("chkNormal", "Normal Text", GroupBoxSelectBodyColor, {104, 23});
    chkVisited = Radio("chkVisited", "Visited Links", GroupBoxSelectBodyColor, {9, 47});
    chkLinks = Radio("chkLinks", "New Links", GroupBoxSelectBodyColor, {104, 47});
    chkHighlight = Radio("chkHighlight", "Highlighted Links", GroupBoxSelectBodyColor, {184, 47});
    chkBackground->setChecked(true);
    for (QRadioButton* radio : {chkBackground, chkNormal, chkVisited, chkLinks, chkHighlight}) {
        OnRadioClick(radio, [this] { TargetRadioClick(); });
    }
    cmdBodyTag = new QToolButton(TabSheetBody);
    cmdBodyTag->setObjectName("cmdBodyTag");
    cmdBodyTag->setIcon(glyphs::CopyTag());
    cmdBodyTag->setToolTip("Copy Body Tag ");
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

    GroupBoxBGImage = new QGroupBox("Background", PnlBottom);
    GroupBoxBGImage->setObjectName("GroupBoxBGImage");
    GroupBoxBGImage->setGeometry(258, 1, 130, 70);
    platform::SetPaletteColor(GroupBoxBGImage, QPalette::WindowText, kDarkGreen);
    ShapeBGcolor = new QWidget(GroupBoxBGImage);
    ShapeBGcolor->setObjectName("ShapeBGcolor");
    ShapeBGcolor->setGeometry(8, 18, 21, 21);
    ShapeBGcolor->setAutoFillBackground(true);
    optColor = Radio("optColor", "Color", GroupBoxBGImage, {38, 14});
    optPicture = Radio("optPicture", "Picture", GroupBoxBGImage, {38, 31});
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

    cmdColors = BoldNavyButton("cmdColors", "&More...", PnlBottom, {258, 74, 58, 21});
    cmdSpecial = BoldNavyButton("cmdSpecial", "&Special...", PnlBottom, {320, 74, 68, 21});
    connect(cmdColors, &QPushButton::clicked, this, platform::ReportingErrors([this] { cmdColorsClick(); }));
    connect(cmdSpecial, &QPushButton::clicked, this,
            platform::ReportingErrors([this] { cmdSpecialClick(); }));
    return PnlBottom;
}

void TfrmMain::BuildMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    mnuFileOpen = file->addAction("&Open...");
    mnuFileOpen->setShortcut(QKeySequence("Ctrl+O"));
    mnuFileSave = file->addAction("&Save");
    mnuFileSave->setShortcut(QKeySequence("Ctrl+S"));
    mnuSaveAs = file->addAction("Save &As...");
    mnuSaveAs->setShortcut(QKeySequence("Ctrl+A"));
    mnuFileRecent = new TRecentMenu([this] { return SettingsFile(); }, this);
    mnuFileRecent->Open = [this](const std::string& path) { OpenStyleFile(path); };
    file->addMenu(mnuFileRecent);
    connect(file, &QMenu::aboutToShow, mnuFileRecent, &TRecentMenu::Rebuild);
    file->addSeparator();
    mnuFileExportPage = file->addAction("&Export Page...");
    connect(mnuFileExportPage, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuFileExportPageClick(); }));
    file->addSeparator();
    mnuFileExit = file->addAction("E&xit");
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu("&Edit");
    mnuEditUndo = history_->MakeUndoAction(this);
    mnuEditRedo = history_->MakeRedoAction(this);
    edit->addActions({mnuEditUndo, mnuEditRedo});
    edit->addSeparator();
    mnuEditCopyFontTag = edit->addAction("&Copy Font Tag");
    CopyFontTagwithText = edit->addAction("C&opy Font Tag with Text");
    mnuEditCopyBodyTag = edit->addAction("Copy &Body Tag");
    connect(mnuEditCopyFontTag, &QAction::triggered, this,
            platform::ReportingErrors([this] { cmdCopyFontTagClick(); }));
    connect(CopyFontTagwithText, &QAction::triggered, this,
            platform::ReportingErrors([this] { cmdCopyFontTagTextClick(); }));
    connect(mnuEditCopyBodyTag, &QAction::triggered, this,
            platform::ReportingErrors([this] { cmdBodyTagClick(); }));
    edit->addSeparator();
    mnuEditCopyCss = edit->addAction("Copy as C&SS");
    mnuEditCopyHtml5 = edit->addAction("Copy as &HTML5");
    mnuEditPasteTag = edit->addAction("&Paste Tag");
    connect(mnuEditCopyHtml5, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuEditCopyHtml5Click(); }));
    connect(mnuEditCopyCss, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuEditCopyCssClick(); }));
    connect(mnuEditPasteTag, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuEditPasteTagClick(); }));
    edit->addSeparator();
    mnuEditPickFromScreen = edit->addAction("Pic&k from Screen");
    mnuEditPickFromScreen->setShortcut(QKeySequence("Ctrl+Shift+C"));
    connect(mnuEditPickFromScreen, &QAction::triggered, this,
            platform::ReportingErrors([this] { PickFromScreen(*this, PreferredPickRoute()); }));

    QMenu* options = menuBar()->addMenu("&Options");
    mnuOptionsOptions = options->addAction("&Options...");
    mnuOptionsRefresh = options->addAction("&Refresh");
    mnuOptionsRefresh->setShortcut(QKeySequence("Ctrl+R"));
    mnuOptionsContrast = options->addAction("Contrast &Check...");
    connect(mnuOptionsContrast, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuOptionsContrastClick(); }));
    BuildVisionMenu(options);
    options->addSeparator();
    mnuOptionsViewInBrowser = options->addAction("View in &Browser");
    mnuOptionsViewInBrowser->setShortcut(QKeySequence(Qt::Key_F12));
    browserView_ = new TBrowserView(this);
    connect(mnuOptionsViewInBrowser, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuOptionsViewInBrowserClick(); }));

    QMenu* help = menuBar()->addMenu("&Help");
    mnuHelpContents = help->addAction("Contents...");
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    mnuHelpAbout = help->addAction("&About...");

    connect(mnuFileOpen, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuFileOpenClick(); }));
    connect(mnuFileSave, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuFileSaveClick(); }));
    connect(mnuSaveAs, &QAction::triggered, this, platform::ReportingErrors([this] { mnuSaveAsClick(); }));
    connect(mnuOptionsOptions, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuOptionsOptionsClick(); }));
    connect(mnuHelpContents, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuHelpContentsClick(); }));
    connect(mnuHelpAbout, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuHelpAboutClick(); }));
    connect(mnuOptionsRefresh, &QAction::triggered, this,
            platform::ReportingErrors([this] { mnuOptionsRefreshClick(); }));
}

void TfrmMain::FormCreate() {
    platform::RunReportingErrors([this] {
        programDir_ = platform::ProgramDir();
        settingsDir_ = ChooseSettingsDir(programDir_);
        CarryOverOldSettings();
        ColorsOpen = false;
        SpecialOpen = false;
        fontPanel->FillFaces(platform::InstalledFaces());
        LoadStartupStyle();
        // Also after a failed read: the caption is the only sign of which file Save and the
        // close steps will write.
        SetCaptionFromStyleFile();
        SetBarsFromColor(style_.FontColor);
        colorPanel->SetHotspotHints(true);
    });
    history_->Restart();
    mnuFileRecent->Rebuild();
}

// Shown, and start-up goes on: the old files are still there, and the next start tries again.
void TfrmMain::CarryOverOldSettings() {
    try {
        CarryOverSettings(programDir_, settingsDir_);
    } catch (const platform::Error& e) {
        platform::TApplication::ShowError(QString::fromUtf8(e.what()));
    }
}

// The settings folder is made when the program first writes there rather than at every start.
void TfrmMain::MakeSettingsDirFor(const std::string& path) const {
    if (path.starts_with(settingsDir_)) MakeSettingsDir(settingsDir_);
}

// The file is named before it is read, so that a read that stops at a damaged key still
// leaves Save and the close steps a file to work on. A start-up file that cannot be read at
// all gives way to the settings folder's default style file, and stays the stored start-up
// file; when the default cannot be read either, the window starts with the default style.
void TfrmMain::LoadStartupStyle() {
    if (!CommandLineStyle.empty()) {
        if (!platform::FileExists(CommandLineStyle)) {
            platform::TApplication::ShowError(QString::fromStdString("Unable to read " + CommandLineStyle));
        } else {
            styleFileName_ = CommandLineStyle;
            if (LoadStartupFile(CommandLineStyle) != TReadOutcome::Unreadable) {
                mnuFileRecent->Note(CommandLineStyle);
                return;
            }
        }
    }
    const std::string chosen =
        StartupStyleFile(settingsDir_, ReadStartup(SettingsFile()), platform::FileExists);
    const std::string fallback = settingsDir_ + std::string(kDefaultStyleFileName);
    styleFileName_ = chosen;
    if (LoadStartupFile(chosen) != TReadOutcome::Unreadable) return;
    styleFileName_ = fallback;
    if (chosen == fallback || LoadStartupFile(fallback) == TReadOutcome::Unreadable) {
        ReadStyleText(platform::IniText(), *this, platform::FileExists);
    }
    if (chosen != fallback) origin_.startupNotRead = chosen;
}

TfrmMain::TReadOutcome TfrmMain::LoadStartupFile(const std::string& path) {
    try {
        LoadStyle(path);
        return TReadOutcome::Read;
    } catch (const platform::ReadError& e) {
        platform::TApplication::ShowError(QString::fromUtf8(e.what()));
        return TReadOutcome::Unreadable;
    } catch (const platform::Error& e) {
        platform::TApplication::ShowError(QString::fromUtf8(e.what()));
        return TReadOutcome::Damaged;
    }
}

void TfrmMain::LoadStyle(const std::string& path) {
    try {
        ReadStyle(path, *this, platform::FileExists);
    } catch (const platform::ReadError&) {
        throw;
    } catch (const platform::Error&) {
        origin_.partlyReadFrom = path;
        ShowFontTag();
        throw;
    }
    origin_ = {};
}

void TfrmMain::SetCaptionFromStyleFile() {
    WMSetText((CaptionFor(styleFileName_) + VisionCaption(PanelTop->Vision())).c_str());
}

bool TfrmMain::FontPageActive() const { return PC1->currentWidget() == fontPanel; }

TColorTarget TfrmMain::CurrentTarget() const {
    if (FontPageActive()) return ctFont;
    if (chkNormal->isChecked()) return ctText;
    if (chkLinks->isChecked()) return ctLink;
    if (chkVisited->isChecked()) return ctVisited;
    if (chkHighlight->isChecked()) return ctActive;
    return ctBackground;
}

TColor TfrmMain::TargetColor() const { return TargetField(style_, CurrentTarget()); }

void TfrmMain::ApplyBarsToTarget() {
    const TColorTarget target = CurrentTarget();
    TargetField(style_, target) = BarsToColor(TColorPanel::Order::bgr);
    switch (target) {
        case ctFont: PanelTop->ShowFont(style_); break;
        case ctBackground: ShowBackColor(); break;
        default: PanelTop->SetSampleColors(style_); break;
    }
    UpdateContrast();
}

void TfrmMain::ShowBackColor() {
    platform::SetPaletteColor(ShapeBGcolor, QPalette::Window, style_.BackColor);
    PanelTop->SetBodyColor(style_.BackColor);
    PanelTop->SetDisplayBackground(style_.BackColor);
}

void TfrmMain::ShowFontTag() {
    ShowTag(MakeFontTag(style_, false));
    UpdateContrast();
}
void TfrmMain::ShowBodyTag() { ShowTag(MakeBodyTag(style_)); }

void TfrmMain::ShowTag(const std::string& tag) { ShowTagText(*MemoTag, QString::fromStdString(tag)); }

void TfrmMain::cmdCopyFontTagClick() { platform::SetClipboardText(MakeFontTag(style_, false)); }
void TfrmMain::cmdCopyFontTagTextClick() { platform::SetClipboardText(MakeFontTag(style_, true)); }
void TfrmMain::cmdBodyTagClick() { platform::SetClipboardText(MakeBodyTag(style_)); }

void TfrmMain::PC1Change() {
    if (!FontPageActive()) {
        PanelTop->lblDisplay->hide();
        PanelTop->ShowSamples(true);
        ShowBackColor();
        PanelTop->SetSampleColors(style_);
        SetBarsFromColor(TargetColor());
        if (!style_.PictureMode) PanelTop->lblBodyColor->show();
        return;
    }
    PanelTop->SetDisplayBackground(style_.BackColor);
    PanelTop->lblBodyColor->hide();
    PanelTop->lblDisplay->show();
    PanelTop->ShowSamples(false);
    SetBarsFromColor(style_.FontColor);
    PanelTop->SetDisplayOpaque(!style_.PictureMode);
}

void TfrmMain::TargetRadioClick() {
    switch (CurrentTarget()) {
        case ctBackground: ShowBackColor(); break;
        case ctFont: PanelTop->ShowFont(style_); break;
        default: PanelTop->SetSampleColors(style_); break;
    }
    SetBarsFromColor(TargetColor());
}

// A radio button's click handling runs when the user selects it; selecting it from code runs
// the handling through SelectRadio instead, and only when it was not selected already.
void TfrmMain::OnRadioClick(QRadioButton* button, std::function<void()> click) {
    connect(button, &QRadioButton::toggled, this, [this, click = std::move(click)](bool checked) {
        if (checked && !selectingRadio_) platform::RunReportingErrors(click);
    });
}

void TfrmMain::SelectRadio(QRadioButton* button, const std::function<void()>& click) {
    if (button->isChecked()) return;
    selectingRadio_ = true;
    button->setChecked(true);
    selectingRadio_ = false;
    click();
}

void TfrmMain::optColorClick() {
    style_.PictureMode = false;
    UpdateContrast();
    if (!FontPageActive()) {
        PanelTop->lblBodyColor->show();
        ShowBodyTag();
    } else {
        PanelTop->SetDisplayOpaque(true);
    }
}

void TfrmMain::optPictureClick() {
    style_.PictureMode = true;
    UpdateContrast();
    if (style_.PicturePath.empty()) {
        cmdBrowseClick();
        return;
    }
    if (!FontPageActive()) {
        PanelTop->lblBodyColor->hide();
        ShowBodyTag();
    } else {
        PanelTop->SetDisplayOpaque(false);
    }
}

// On the Body page a picture chosen in colour mode shows in the preview but enters the body
// tag only once "Picture" is selected; on the Font page choosing one selects "Picture".
void TfrmMain::cmdBrowseClick() {
    windows::TfrmFileOpen chooser(
        GIFImage1()->FileName(),
        [this](const std::string& path, const std::string& name) { TakeChosenPicture(path, name); }, this);
    chooser.exec();
    // A file that could not be shown is handed over as an empty name: colour mode, below.
    if (chooser.Tag() == 1 && !style_.PictureName.empty()) {
        if (!FontPageActive()) {
            PanelTop->lblBodyColor->hide();
            ShowBodyTag();
        } else {
            PanelTop->SetDisplayOpaque(false);
            SelectRadio(optPicture, [this] { optPictureClick(); });
        }
    }
    if (style_.PictureName.empty()) SelectRadio(optColor, [this] { optColorClick(); });
}

void TfrmMain::TakeChosenPicture(const std::string& path, const std::string& name) {
    SetPicture(path, name);
    ApplyBarsToTarget();
    GIFImage1()->update();
}

void TfrmMain::ReloadPicture() {
    GIFImage1()->SetFileName(GIFImage1()->FileName());
    style_.PicturePath = GIFImage1()->FileName();
    GIFImage1()->update();
}

void TfrmMain::mnuOptionsRefreshClick() { ReloadPicture(); }

// An error box here would activate the window again when it closes, and show itself again
// without end; so a picture that cannot be read now is left as it was shown, silently.
// Refresh and Open report it. A file that has not changed is not decoded again: a large
// picture would freeze every switch back to the window.
void TfrmMain::ApplicationActivate() {
    try {
        if (GIFImage1()->FileChanged()) ReloadPicture();
    } catch (const std::exception&) {
    }
}

void TfrmMain::changeEvent(QEvent* event) {
    TGradientForm::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) && !isMinimized()) {
        ApplicationActivate();
    }
}

void TfrmMain::mnuFileOpenClick() {
    const std::string path = ChooseStyleToOpen();
    if (path.empty()) return;
    OpenStyleFile(path);
}

void TfrmMain::OpenStyleFile(const std::string& path) {
    if (!platform::FileExists(path)) throw platform::ReadError("Unable to read " + path);
    if (FontPageActive()) {
        PC1Change();
    } else {
        PC1->setCurrentWidget(fontPanel);
    }
    // A new history, also when the read stops at a damaged value.
    struct NewHistory {
        TStyleHistory& history;
        ~NewHistory() { history.Restart(); }
    } newHistory{*history_};
    LoadStyle(path);
    styleFileName_ = path;
    mnuFileRecent->Note(path);
    SetCaptionFromStyleFile();
    SetBarsFromColor(style_.FontColor);
    ReloadPicture();
}

// A partly read style is written over its file only when the user says so.
void TfrmMain::mnuFileSaveClick() {
    if (origin_.partlyReadFrom &&
        AskToSave(PartlyReadQuestion(styleFileName_, *origin_.partlyReadFrom)) != TSaveAnswer::Yes) {
        return;
    }
    MakeSettingsDirFor(styleFileName_);
    WriteStyle(styleFileName_, style_);
    origin_.partlyReadFrom.reset();
    mnuFileRecent->Note(styleFileName_);
}

void TfrmMain::mnuSaveAsClick() {
    const std::string path = ChooseStyleToSaveAs();
    if (path.empty()) return;
    WriteStyle(path, style_);
    styleFileName_ = path;
    origin_ = {};
    mnuFileRecent->Note(path);
    SetCaptionFromStyleFile();
}

// At most one special characters window: while it is open the command does nothing, and
// the open window is neither raised nor moved.
void TfrmMain::cmdSpecialClick() {
    if (SpecialOpen) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
    } restore;
    auto* window = new windows::TfrmSpecial(this, &SpecialOpen);
    window->show();
    window->activateWindow();
}

void TfrmMain::mnuOptionsOptionsClick() {
    MakeSettingsDirFor(SettingsFile());
    windows::TfrmOptions dialog(SettingsFile(), this);
    dialog.exec();
}

void TfrmMain::mnuHelpContentsClick() { platform::ShowHelpContents(this, programDir_ + "vlrhelp.hlp"); }

void TfrmMain::mnuHelpAboutClick() {
    windows::TfrmAbout dialog(this);
    dialog.exec();
}

void TfrmMain::cmdColorsClick() {
    // An open palette is left where it is: not raised, not moved.
    if (ColorsOpen) return;
    windows::TfrmColors::ShowNew(this, ColorsOpen, [this](TColor color) { SetBarsFromColor(color); });
}

bool TfrmMain::FormClose() {
    MakeSettingsDirFor(SettingsFile());
    return ExitSteps(
        SettingsFile(), styleFileName_, AskToSave, [this] { WriteStyle(styleFileName_, style_); },
        [](const std::string& message) {
            platform::TApplication::ShowError(QString::fromStdString(message));
        },
        origin_);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        // In the hex fields Ctrl+Z and Ctrl+Y also belong to the window: they undo and redo
        // steps of the style, not keystrokes of a two-digit field.
        const bool historyKey = watched != MemoTag && (mnuEditUndo->shortcuts().contains(pressed) ||
                                                       mnuEditRedo->shortcuts().contains(pressed));
        if (pressed == mnuSaveAs->shortcut() || historyKey) {
            event->ignore();
            return true;
        }
    }
    return controls::TGradientForm::eventFilter(watched, event);
}

// A close that fails to write is shown and abandoned: the window stays open with nothing lost.
void TfrmMain::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    platform::RunReportingErrors([&] { mayClose = FormClose(); });
    if (mayClose) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TfrmMain::SetColor(TColorTarget target, TColor color) {
    TargetField(style_, target) = color;
    switch (target) {
        case ctFont: PanelTop->ShowFont(style_); break;
        case ctBackground: ShowBackColor(); break;
        default: PanelTop->SetSampleColors(style_); break;
    }
    UpdateContrast();
}

std::vector<std::string> TfrmMain::Faces() const { return fontPanel->Faces(); }

void TfrmMain::SelectFace(int index) {
    if (index < 0) style_.FaceName.clear();
    fontPanel->SelectFace(index);
}

void TfrmMain::SetCentered(bool centered) {
    fontPanel->cmdCenter->setChecked(centered);
    fontPanel->ApplyFontStyle();
}

void TfrmMain::SetBold(bool bold) {
    fontPanel->cmdBold->setChecked(bold);
    fontPanel->ApplyFontStyle();
}

void TfrmMain::SetItalic(bool italic) {
    fontPanel->cmdItalic->setChecked(italic);
    fontPanel->ApplyFontStyle();
}

void TfrmMain::SetSizeStep(int step) { fontPanel->SlideBarFontSize->SetPosition(step); }

void TfrmMain::SetUserText(const std::string& text) {
    style_.UserText = text;
    PanelTop->ShowFont(style_);
}

// The path goes through the picture control, which keeps its picture for a file that is gone
// and empties itself for one that is not a GIF; the style holds what the control holds.
void TfrmMain::SetPicture(const std::string& path, const std::string& name) {
    // The control keeps its picture for a name that is no file; no name means no picture.
    if (path.empty()) {
        GIFImage1()->Unload();
    } else {
        GIFImage1()->SetFileName(path);
    }
    style_.PicturePath = GIFImage1()->FileName();
    style_.PictureName = name;
    lblFilename->SetCaption(QString::fromStdString(name));
    UpdateContrast();
}

void TfrmMain::SelectPictureMode() {
    SelectRadio(optPicture, [this] { optPictureClick(); });
}
void TfrmMain::SelectColorMode() {
    SelectRadio(optColor, [this] { optColorClick(); });
}

void TfrmMain::SetAltFaces(std::vector<std::string> faces) { fontPanel->SetAltFaces(std::move(faces)); }
