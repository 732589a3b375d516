// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QGroupBox>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <array>
#include <functional>
#include <string>

#include "app/ColorPanel.h"
#include "app/FontPanel.h"
#include "app/Preview.h"
#include "app/RecentColors.h"
#include "app/RecentMenu.h"
#include "app/UndoSteps.h"
#include "controls/BoxLabl.h"
#include "controls/GradForm.h"
#include "controls/Just1_32.h"
#include "style/Settings.h"
#include "style/Style.h"
#include "style/StyleFile.h"

namespace windows {
class TfrmContrast;
}
class TBrowserView;

// The main window: it owns the one style, shows it in the preview, shows the tag of the
// active page in the tag area, and hosts the colour and font panels. Reading a style file
// sets its controls as a user would, so it is the target of the style reader too.
class TfrmMain : public controls::TGradientForm, public StyleTarget {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);

    // Start-up, once the window exists: program folder, faces, the start-up style, the
    // caption and the colour panel. A failure is shown and the remaining steps skipped.
    void FormCreate();

    // The style's colour that the colour panel edits now.
    TColorTarget CurrentTarget() const;
    TColor TargetColor() const;
    void ApplyBarsToTarget();
    TColor BarsToColor(TColorPanel::Order order) const { return colorPanel->BarsToColor(order); }
    void SetBarsFromColor(TColor color) { colorPanel->SetBarsFromColor(color); }

    void ShowFontTag() override;
    void ShowBodyTag();
    void cmdCopyFontTagClick();
    void cmdCopyFontTagTextClick();
    void cmdBodyTagClick();
    // Copy as CSS, Paste Tag and the contrast check (TagCommands.cpp).
    void mnuEditCopyCssClick();
    void mnuEditCopyHtml5Click();
    void mnuEditPasteTagClick();
    void mnuOptionsContrastClick();
    // Export Page (PageCommands.cpp).
    void mnuFileExportPageClick();
    // View in Browser (BrowserView.cpp).
    void mnuOptionsViewInBrowserClick();

    void PC1Change();
    bool FontPageActive() const;
    void SetCaptionFromStyleFile();

    void mnuFileOpenClick();
    // Open's steps after its dialog, for a style named on the command line, handed over by a
    // second copy, or chosen from Recent Styles. A file that is not there throws
    // platform::ReadError "Unable to read <path>" with nothing changed.
    void OpenStyleFile(const std::string& path);
    // A style opened from outside the Open dialog (a second copy's hand-over, Recent Styles):
    // with changes not yet saved, the close's question comes first. Cancel keeps everything,
    // Yes saves and then opens (a failed save throws and opens nothing), No opens.
    void OpenStyleFromOutside(const std::string& path);
    // The style file named on the command line, an absolute path: opened at start-up instead
    // of the start-up style, which is opened when this one cannot be read.
    std::string CommandLineStyle;
    void mnuFileSaveClick();
    void mnuSaveAsClick();
    void mnuOptionsOptionsClick();
    void mnuHelpContentsClick();
    void mnuHelpAboutClick();
    void cmdColorsClick();
    void cmdSpecialClick();
    void mnuOptionsRefreshClick();
    // The application was activated or restored: the picture is read anew from disk, so
    // that a file changed meanwhile shows its new content.
    void ApplicationActivate();
    // The close steps: remember the style file, then save by the user's policy. Returns
    // whether the window may close.
    bool FormClose();

    // Where the window asks the user; tests replace these. An empty path is a cancel.
    std::function<std::string()> ChooseStyleToOpen;
    std::function<std::string()> ChooseStyleToSaveAs;
    std::function<TSaveAnswer(const std::string& question)> AskToSave;
    std::function<std::string(const std::string& suggestedPath)> ChoosePageToExport;
    // A close that could not write the style: shows why and asks whether to close all the same,
    // giving up what was not written; true to close.
    std::function<bool(const std::string& message)> AskToCloseAnyway;
    // The question AskToCloseAnyway asks by default: the message, "Close Anyway" and "Cancel",
    // which keeps the window open and is the default.
    bool ShowCloseAnywayBox(const std::string& message);

    // What reading a style file sets.
    void SetColor(TColorTarget target, TColor color) override;
    std::vector<std::string> Faces() const override;
    std::string GenericFace(std::string_view generic) const override;
    void SelectFace(int index) override;
    void SetCentered(bool centered) override;
    void SetBold(bool bold) override;
    void SetItalic(bool italic) override;
    void SetSizeStep(int step) override;
    void SetUserText(const std::string& text) override;
    void SetPicture(const std::string& path, const std::string& name) override;
    void SelectPictureMode() override;
    void SelectColorMode() override;
    void SetAltFaces(std::vector<std::string> faces) override;
    void ShowBackColor() override;

    const TStyle& Style() const { return style_; }
    TStyleHistory* History() const { return history_; }
    const std::string& StyleFileName() const { return styleFileName_; }
    const std::string& ProgramDir() const { return programDir_; }
    const std::string& SettingsDir() const { return settingsDir_; }

    // Ends a second copy of the program while the window is being made.
    controls::TJustOne32* JustOne321;
    // The background picture of the preview; its file name is the style's PicturePath.
    controls::TGIFImage* GIFImage1() const { return PanelTop->GIFImage1; }

    bool ColorsOpen = false;
    bool SpecialOpen = false;

    TPreview* PanelTop;
    QPlainTextEdit* MemoTag;
    QTabWidget* PC1;
    TFontPanel* fontPanel;
    QWidget* TabSheetBody;
    QGroupBox* GroupBoxSelectBodyColor;
    QRadioButton* chkBackground;
    QRadioButton* chkNormal;
    QRadioButton* chkVisited;
    QRadioButton* chkLinks;
    QRadioButton* chkHighlight;
    QToolButton* cmdBodyTag;
    QWidget* PnlBottom;
    TColorPanel* colorPanel;
    QGroupBox* GroupBoxBGImage;
    QWidget* ShapeBGcolor;
    QRadioButton* optColor;
    QRadioButton* optPicture;
    QToolButton* cmdBrowse;
    controls::TBoxLabel* lblFilename;
    QPushButton* cmdColors;
    QPushButton* cmdSpecial;

    QAction* mnuFileOpen;
    QAction* mnuFileSave;
    QAction* mnuSaveAs;
    TRecentMenu* mnuFileRecent;
    QAction* mnuFileExit;
    QAction* mnuEditUndo;
    QAction* mnuEditRedo;
    QAction* mnuEditCopyFontTag;
    QAction* CopyFontTagwithText;
    QAction* mnuEditCopyBodyTag;
    QAction* mnuEditCopyCss;
    QAction* mnuEditCopyHtml5;
    QAction* mnuFileExportPage;
    QAction* mnuEditPasteTag;
    QAction* mnuEditPickFromScreen;
    // Edit > Recent Colors: this session's picks.
    TRecentColors* mnuEditRecentColors;
    QAction* mnuOptionsContrast;
    // The contrast check while it is open; it deletes itself when closed.
    QPointer<windows::TfrmContrast> frmContrast;
    QAction* mnuOptionsOptions;
    QAction* mnuOptionsRefresh;
    QAction* mnuOptionsViewInBrowser;
    // Options > Dark Variant in CSS: Copy as CSS, Export Page and View in Browser add the
    // dark scheme's block; kept in vlr.ini.
    QAction* mnuOptionsDarkCss;
    // Options > Preview Dark Variant: the preview shows the dark variant's colours.
    QAction* mnuOptionsPreviewDark;
    // Options > Simulate Color Vision: one checkable action per vision, in kVisions order.
    std::array<QAction*, 5> mnuOptionsVision;
    // Its submenus, one per anomalous trichromacy in kAnomalies order, severity 0.1 to 1.0.
    std::array<std::array<QAction*, kFullSeverity>, 3> mnuOptionsAnomaly;
    QAction* mnuOptionsBlurred;
    QAction* mnuOptionsLowContrast;
    QAction* mnuHelpContents;
    QAction* mnuHelpAbout;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Save's steps once it may write: the style goes to its file and counts as saved.
    void SaveStyle();
    QWidget* BuildBodyPage();
    QWidget* BuildBottomBand();
    void BuildMenu();
    void BuildVisionMenu(QMenu* options);
    void BuildDarkVariantMenu(QMenu* options);
    // The dark variant's block while the option is on, else nothing.
    std::string DarkCssIfOn() const;
    // The open contrast check follows every change of a colour, the size, the weight or the mode.
    void UpdateContrast();

    void TargetRadioClick();
    void optColorClick();
    void optPictureClick();
    void cmdBrowseClick();
    // What the picture chooser's OK hands over.
    void TakeChosenPicture(const std::string& path, const std::string& name);
    // Reads the picture file again; a file that can no longer be read raises.
    void ReloadPicture();
    // Selects a radio button as the program does: its click handling runs only when the
    // button was not selected already.
    void SelectRadio(QRadioButton* button, const std::function<void()>& click);
    void OnRadioClick(QRadioButton* button, std::function<void()> click);
    // Reads a style file into the window. A file that cannot be read at all throws
    // platform::ReadError with nothing changed. A read that stops at a damaged value leaves the
    // style partly read, remembers that, shows the font tag of what was read, and rethrows.
    void LoadStyle(const std::string& path);
    void ShowTag(const std::string& tag);
    enum class TReadOutcome { Read, Damaged, Unreadable };
    // One start-up read, its failure shown as the event loop would show it.
    TReadOutcome LoadStartupFile(const std::string& path);
    void LoadStartupStyle();
    // The Open (open) or Save As style file dialog; an empty path when cancelled.
    std::string ShowStyleDialog(bool open);
    TSaveAnswer AskYesNoCancel(const std::string& question);
    std::string SettingsFile() const { return SettingsPath(settingsDir_); }
    void CarryOverOldSettings();
    void MakeSettingsDirFor(const std::string& path) const;

    TStyle style_;
    TStyleHistory* history_;
    // The private folder of View in Browser, removed with the window.
    TBrowserView* browserView_;
    std::string programDir_;
    // Where vlr.ini and the default style live: the program folder, or the user's
    // configuration folder when the program cannot write beside itself. Chosen once at start.
    std::string settingsDir_;
    std::string styleFileName_;
    bool selectingRadio_ = false;
    // Whether the style in memory came from a partial read, or its file could not be read.
    TStyleOrigin origin_;
};
