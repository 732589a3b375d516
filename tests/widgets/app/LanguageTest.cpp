// SPDX-License-Identifier: GPL-3.0-or-later
// The program in other languages: under the pseudo-language every window's texts fit their
// controls and none was missed; under German the menus and boxes read German while every
// tag, sheet and file written stays byte for byte what the English program writes.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <functional>

#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/HelpViewer.h"
#include "platform/Translate.h"
#include "platform/Translations.h"
#include "tests/widgets/ErrorLog.h"
#include "tests/widgets/app/MainWindowFixture.h"
#include "windows/Colors.h"
#include "windows/ContrastCheck.h"
#include "windows/EntityWindow.h"
#include "windows/FileOpen.h"
#include "windows/FontText.h"
#include "windows/SelectFont.h"
#include "windows/about.h"
#include "windows/options.h"

namespace {

QString WithoutMnemonic(QString text) {
    text.replace(QLatin1String("&&"), QString(QChar(0xE000))).remove(u'&').replace(QChar(0xE000), u'&');
    return text;
}

// Texts that are data, not the program's words: numbers, codes and single characters.
bool IsData(const QString& text) {
    static const QRegularExpression letters(QStringLiteral("\\p{L}.*\\p{L}"));
    return !letters.match(text).hasMatch();
}

bool Bracketed(const QString& text) {
    const QString shown = text.trimmed();
    return shown.startsWith(u'[') && shown.endsWith(u']');
}

struct TextProblems {
    QStringList untranslated, clipped;
};

// Every visible text of a window: does it lack the brackets, or is it wider than its place?
TextProblems FindTextProblems(QWidget& window, const QStringList& dataControls) {
    TextProblems problems;
    auto check = [&](QWidget* control, const QString& text, int needed, int room) {
        if (text.trimmed().isEmpty() || IsData(text) || dataControls.contains(control->objectName())) return;
        const QString where = window.objectName() + "/" + control->objectName() + " \"" + text + "\"";
        if (!Bracketed(text)) problems.untranslated << where;
        if (needed > room)
            problems.clipped << where + QStringLiteral(" needs %1 of %2 pixels").arg(needed).arg(room);
    };
    if (!Bracketed(window.windowTitle()))
        problems.untranslated << window.objectName() + " title \"" + window.windowTitle() + "\"";
    QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!control->isVisibleTo(&window)) continue;
        // A hint shows when the pointer rests on the control.
        if (!control->toolTip().isEmpty() && !Bracketed(control->toolTip()))
            problems.untranslated << window.objectName() + "/" + control->objectName() + " hint \"" +
                                         control->toolTip() + "\"";
        // A screen reader's name for the control.
        if (!control->accessibleName().isEmpty() && !IsData(control->accessibleName()) &&
            !Bracketed(control->accessibleName()))
            problems.untranslated << window.objectName() + "/" + control->objectName() + " name \"" +
                                         control->accessibleName() + "\"";
        const QFontMetrics metrics(control->font());
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QString text = label->text();
            if (Qt::mightBeRichText(text) || label->textFormat() == Qt::RichText) {
                QTextDocument document;
                document.setHtml(text);
                text = document.toPlainText();
            }
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                              -label->margin(), -label->margin());
            if (label->wordWrap()) {
                check(label, text, label->heightForWidth(label->contentsRect().width()),
                      label->contentsRect().height());
            } else {
                check(label, text, metrics.horizontalAdvance(text), room.width());
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            if (button->text().isEmpty()) continue;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            option.icon = button->icon();
            option.iconSize = button->iconSize();
            const QStyle::SubElement contents =
                qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                : qobject_cast<QCheckBox*>(button)  ? QStyle::SE_CheckBoxContents
                                                    : QStyle::SE_PushButtonContents;
            int room = button->style()->subElementRect(contents, &option, button).width();
            if (contents == QStyle::SE_PushButtonContents && !button->icon().isNull())
                room -= button->iconSize().width() + 4;
            check(button, button->text(), metrics.horizontalAdvance(WithoutMnemonic(button->text())), room);
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect label =
                group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
            const int needed = QFontMetrics(group->font()).horizontalAdvance(WithoutMnemonic(group->title()));
            check(group, group->title(), label.left() + needed, group->width());
        } else if (auto* tabs = qobject_cast<QTabBar*>(control)) {
            for (int i = 0; i < tabs->count(); ++i) check(tabs, tabs->tabText(i), 0, 0);
        }
    }
    return problems;
}

void MenuProblems(QMenu& menu, QStringList& problems) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || action->text().isEmpty()) continue;
        if (!Bracketed(action->text())) problems << "menu item \"" + action->text() + "\"";
        if (action->menu() != nullptr && action->menu()->objectName() != QLatin1String("mnuFileRecent"))
            MenuProblems(*action->menu(), problems);
    }
}

// A main window under one of the user's languages, its catalogues taken out again after.
class LanguageTest : public MainWindowTest {
protected:
    void Start(const QString& language) {
        MainWindowTest::TearDown();
        language_ = platform::InstallTranslations(platform::TranslationsFolder(), {language});
        // English is the written text and has no catalogue.
        ASSERT_EQ(language_,
                  language == QLatin1String("en") ? QString() : QString(language).replace(u'-', u'_'));
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        platform::RemoveTranslations();
    }
    QString language_;
};

// The main window's pages and every window it opens, made as the program makes them.
struct WindowRow {
    const char* name;
    std::function<QWidget*(TfrmMain& main, QWidget*& owned)> make;
    QStringList dataControls;  // controls that show the user's data, never translated
};

bool paletteOpen = false;
bool specialOpen = false;

const WindowRow kWindows[] = {
    {"font page", [](TfrmMain& main, QWidget*&) { return static_cast<QWidget*>(&main); }, {"lblDisplay"}},
    {"body page",
     [](TfrmMain& main, QWidget*&) {
         main.PC1->setCurrentWidget(main.TabSheetBody);
         return static_cast<QWidget*>(&main);
     },
     {"lblDisplay"}},
    {"options",
     [](TfrmMain& main, QWidget*& owned) { return owned = new windows::TfrmOptions("", &main); },
     {}},
    {"about", [](TfrmMain& main, QWidget*& owned) { return owned = new windows::TfrmAbout(&main); }, {}},
    {"select font",
     [](TfrmMain& main, QWidget*& owned) { return owned = new windows::TfrmSelectFont({}, &main); },
     {"lblPreview"}},
    {"enter text",
     [](TfrmMain& main, QWidget*& owned) { return owned = new windows::TfrmFontText("", {}, &main); },
     {}},
    {"select image",
     [](TfrmMain& main, QWidget*& owned) { return owned = new windows::TfrmFileOpen("", {}, &main); },
     {}},
    {"palette",
     [](TfrmMain& main, QWidget*& owned) { return owned = new windows::TfrmColors(&main, paletteOpen, {}); },
     {"lblColor"}},
    {"special characters",
     [](TfrmMain& main, QWidget*& owned) { return owned = new windows::TfrmSpecial(&main, &specialOpen); },
     {"lblSpecial"}},
    {"contrast check",
     [](TfrmMain& main, QWidget*& owned) {
         auto* contrast = new windows::TfrmContrast(&main);
         TStyle style;
         style.TextColor = 0xCCCCCC;  // fails, so the fix buttons and their colours show
         style.LinkColor = 0xDDDDDD;
         contrast->ShowStyle(style);
         // As wide as it asks, as on a desktop screen; the small offscreen one would cap it.
         contrast->resize(contrast->sizeHint());
         return owned = contrast;
     },
     {}},
    {"help",
     [](TfrmMain& main, QWidget*& owned) { return owned = new platform::THelpViewer("", &main); },
     {}},
};

// Taking the catalogues out again leaves no German anywhere: ours, Qt's, the pure layers'.
TEST(TranslationsTest, TakingTheCataloguesOutRestoresEnglishEverywhere) {
    ASSERT_EQ(platform::InstallTranslations(platform::TranslationsFolder(), {"de"}), "de");
    QDialogButtonBox german(QDialogButtonBox::Cancel);
    EXPECT_EQ(WithoutMnemonic(german.button(QDialogButtonBox::Cancel)->text()), "Abbrechen");
    EXPECT_EQ(QCoreApplication::translate("TfrmMain", "&File"), "&Datei");
    EXPECT_EQ(platform::Translate("Steps", "Bold"), "Fett");

    platform::RemoveTranslations();
    QDialogButtonBox english(QDialogButtonBox::Cancel);
    EXPECT_EQ(WithoutMnemonic(english.button(QDialogButtonBox::Cancel)->text()), "Cancel");
    EXPECT_EQ(QCoreApplication::translate("TfrmMain", "&File"), "&File");
    EXPECT_EQ(platform::Translate("Steps", "Bold"), "Bold");
}

// Which catalogues the user's languages ask for, best first.
TEST(CatalogueLanguagesTest, FollowsTheUsersLanguagesUpToEnglish) {
    const struct {
        QStringList languages;
        QStringList expected;
    } rows[] = {
        {{"de-DE", "de"}, {"de_DE", "de"}},
        {{"fr-CA"}, {"fr_CA", "fr"}},
        // English first: English it stays, though German follows.
        {{"en-US", "de-DE"}, {"en_US"}},
        {{"es", "en", "de"}, {"es", "en"}},
        // The pseudo-language is tried before plain English.
        {{"en-XA"}, {"en_XA"}},
        {{"C"}, {}},
        {{}, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(platform::CatalogueLanguages(row.languages), row.expected)
            << row.languages.join(",").toStdString();
}

// Every window of the table under a language: what it shows untranslated and what it clips.
TextProblems WindowProblems(TfrmMain& main) {
    TextProblems all;
    for (const WindowRow& row : kWindows) {
        QWidget* owned = nullptr;
        QWidget* shown = row.make(main, owned);
        shown->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(shown)) << row.name;
        const TextProblems found = FindTextProblems(*shown, row.dataControls);
        for (const QString& problem : found.untranslated)
            all.untranslated << row.name + QStringLiteral(": ") + problem;
        for (const QString& problem : found.clipped) all.clipped << row.name + QStringLiteral(": ") + problem;
        delete owned;
    }
    main.PC1->setCurrentWidget(main.fontPanel);
    return all;
}

// Where the drawn layout gives a text a fixed place with no free room beside it, which the
// pseudo-language's third more cannot fit: the buttons of the bottom band and the Text...
// button, the Options items, a centred line of the About box, Show Picture. The real
// languages fit them (below); the list keeps any other clipping from passing unseen, and a
// place that comes to fit fails it too, so the list stays true.
const QStringList kFixedPlaces = {
    "font page: frmMain/cmdText",
    "font page: frmMain/cmdColors",
    "font page: frmMain/cmdSpecial",
    "body page: frmMain/cmdColors",
    "body page: frmMain/cmdSpecial",
    "options: /RGSave0",
    "options: /RGSave1",
    "about: frmAbout/Label6",
    "select image: frmFileOpen/chkshow",
};

TEST_F(LanguageTest, UnderThePseudoLanguageEveryTextIsTranslatedAndFitsBarFixedPlaces) {
    Start("en-XA");
    TextProblems problems = WindowProblems(*window);
    for (QAction* action : window->menuBar()->actions()) {
        if (!Bracketed(action->text())) problems.untranslated << "menu \"" + action->text() + "\"";
        MenuProblems(*action->menu(), problems.untranslated);
    }
    // The window menu the caption opens.
    for (QAction* action : {window->actRestore, window->actMove, window->actMinimize, window->actClose})
        if (!Bracketed(action->text())) problems.untranslated << "window menu \"" + action->text() + "\"";
    EXPECT_TRUE(problems.untranslated.isEmpty()) << problems.untranslated.join("\n").toStdString();
    QStringList clippedPlaces;
    for (const QString& clipped : problems.clipped) clippedPlaces << clipped.section(u'"', 0, 0).trimmed();
    EXPECT_EQ(clippedPlaces, kFixedPlaces) << problems.clipped.join("\n").toStdString();
}

// Help > Contents and the About box's link give the manual in the window's language, and the
// English one for a language whose manual is not there.
TEST_F(LanguageTest, TheManualFollowsTheWindowsLanguage) {
    const QString built = QCoreApplication::applicationDirPath();
    for (const QString name : {"manual.html", "manual.de.html"})
        ASSERT_TRUE(QFile::copy(built + u'/' + name, folder.path() + u'/' + name)) << name.toStdString();
    const struct {
        const char* language;
        const char* manual;
    } rows[] = {{"de", "manual.de.html"}, {"en", "manual.html"}, {"fr", "manual.html"}};
    QStringList titles;
    for (const auto& row : rows) {
        Start(row.language);
        window->mnuHelpContents->trigger();
        platform::THelpViewer* viewer = platform::OpenHelpViewer();
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->Browser->source().fileName(), row.manual) << row.language;
        EXPECT_FALSE(viewer->ShowsMissingFile()) << row.language;
        EXPECT_EQ(windows::ProductWebPage().fileName(), row.manual) << row.language;
        titles << viewer->Browser->documentTitle();
    }
    // The German page is the translated one, not the English page under another name.
    EXPECT_NE(titles[0], titles[1]);
    EXPECT_EQ(titles[2], titles[1]);
}

struct LanguageRow {
    const char* language;
    QStringList clipped;  // places where the language's text is cut off
};

// The written English already overruns the Options item "Prompt Before Saving" and the bold
// "Show Picture" with the faces that stand in for MS Sans Serif here, and keeps its drawn
// places all the same; the translations are written to fit.
const LanguageRow kLanguages[] = {
    {"en", {"options: /RGSave1", "select image: frmFileOpen/chkshow"}},
    {"de", {}},
    {"fr", {}},
    {"es", {}},
};

class RealLanguageTest : public LanguageTest, public ::testing::WithParamInterface<LanguageRow> {};

TEST_P(RealLanguageTest, EveryTextFitsItsControl) {
    Start(GetParam().language);
    const TextProblems problems = WindowProblems(*window);
    QStringList places;
    for (const QString& clipped : problems.clipped) places << clipped.section(u'"', 0, 0).trimmed();
    EXPECT_EQ(places, GetParam().clipped) << problems.clipped.join("\n").toStdString();
}

void PrintTo(const LanguageRow& row, std::ostream* out) { *out << row.language; }

INSTANTIATE_TEST_SUITE_P(Languages, RealLanguageTest, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<LanguageRow>& info) {
                             return info.param.language;
                         });

// What the program writes and copies, with the folder it worked in taken out.
struct Written {
    std::vector<std::string> clipboard;
    std::string style, page, settings;
};

std::string ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("(missing)");
}

class WrittenTest : public LanguageTest {
protected:
    Written WriteEverything() {
        const QString dir = folder.path();
        for (const char* name : {"/Mine.vls", "/page.html", "/vlr.ini"}) QFile::remove(dir + name);
        window->ChooseStyleToSaveAs = [dir] { return (dir + "/Mine.vls").toStdString(); };
        window->ChoosePageToExport = [dir](const std::string&) { return (dir + "/page.html").toStdString(); };
        window->AskToSave = [](const std::string&) { return TSaveAnswer::Yes; };
        ShowBodyPage();
        window->chkNormal->click();
        ClickSwatch("Navy");
        Written written;
        for (QAction* copy : {window->mnuEditCopyFontTag, window->CopyFontTagwithText,
                              window->mnuEditCopyBodyTag, window->mnuEditCopyCss, window->mnuEditCopyHtml5}) {
            copy->trigger();
            const QMimeData* data = QApplication::clipboard()->mimeData();
            written.clipboard.push_back(data->text().toStdString() + "\n--\n" + data->html().toStdString());
        }
        window->mnuSaveAs->trigger();
        window->mnuFileExportPage->trigger();
        window->FormClose();
        written.style = ReadAll(dir + "/Mine.vls");
        written.page = ReadAll(dir + "/page.html");
        written.settings =
            QString::fromStdString(ReadAll(dir + "/vlr.ini")).replace(dir, "DIR").toStdString();
        return written;
    }
};

TEST_F(WrittenTest, UnderGermanTheWindowReadsGermanAndWritesWhatEnglishWrites) {
    const Written english = WriteEverything();
    ASSERT_EQ(window->menuBar()->actions().front()->text(), "&File");
    // In English the buttons that may widen for a longer caption keep their drawn places.
    EXPECT_EQ(window->fontPanel->cmdText->geometry(), QRect(136, 28, 39, 21));
    EXPECT_EQ(window->cmdColors->geometry(), QRect(258, 74, 58, 21));
    EXPECT_EQ(window->cmdSpecial->geometry(), QRect(320, 74, 68, 21));

    Start("de");
    EXPECT_EQ(window->menuBar()->actions().front()->text(), "&Datei");
    EXPECT_EQ(window->mnuEditCopyCss->text(), "Als C&SS kopieren");
    EXPECT_EQ(window->mnuOptionsContrast->text(), "&Kontrastprüfung...");
    // Qt's own buttons come from Qt's German catalogue.
    QDialogButtonBox standard(QDialogButtonBox::Cancel);
    EXPECT_EQ(WithoutMnemonic(standard.button(QDialogButtonBox::Cancel)->text()), "Abbrechen");

    const Written german = WriteEverything();
    EXPECT_EQ(german.clipboard, english.clipboard);
    EXPECT_EQ(german.style, english.style);
    EXPECT_EQ(german.page, english.page);
    EXPECT_EQ(german.settings, english.settings);
    EXPECT_NE(english.page, "(missing)");

    // With no step to take back the item is the bare command, no colon left hanging.
    Start("de");
    EXPECT_EQ(window->mnuEditUndo->text(), "&Rückgängig");
    ClickSwatch("Navy");
    QTest::qWait(0);
    EXPECT_EQ(window->mnuEditUndo->text(), "&Rückgängig: Schriftfarbe");
}

// A box as the user meets it: the real one, not the test log that stands in for error boxes.
// Its text, title and buttons, with the test's folder written as DIR.
QString ShownBox(const std::function<void()>& open, const QString& dir) {
    platform::TApplication::SetErrorSink({});
    QString shown = QStringLiteral("(no box)");
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        shown = box->text() + " | " + box->windowTitle();
        for (QAbstractButton* button : box->buttons()) shown += " | " + button->text();
        box->reject();
    });
    open();
    RecordErrors();
    return shown.replace(dir, QLatin1String("DIR"));
}

struct BoxRow {
    const char* name;
    std::function<void(TfrmMain& main, const QString& dir)> open;
    std::string english, german;  // the English as the program has always written it
};

void PasteTag(TfrmMain& main, const std::string& text) {
    platform::SetClipboardText(text);
    main.mnuEditPasteTag->trigger();
}

const BoxRow kBoxes[] = {
    {"question before replacing a page",
     [](TfrmMain& main, const QString& dir) {
         QFile(dir + "/page.html").open(QIODevice::WriteOnly);
         main.ChoosePageToExport = [dir](const std::string&) { return (dir + "/page.html").toStdString(); };
         main.mnuFileExportPage->trigger();
     },
     "\"DIR/page.html\" already exists.\nDo you want to replace it? | Confirm | Cancel | &Yes | &No",
     "„DIR/page.html“ ist bereits vorhanden.\nMöchten Sie die Datei ersetzen? | Bestätigen | Abbrechen | &Ja "
     "| &Nein"},
    {"a FONT tag with parts that do not read",
     [](TfrmMain& main, const QString&) {
         PasteTag(main, "<font color=transparent size=huge face=\"Frutiger, Futura\">x</font>");
     },
     "The tag was loaded except for:\nCOLOR=\"transparent\" is not a color.\nSIZE=\"huge\" is not a size.\n"
     "The face \"Frutiger\" is not installed; \"Abadi\" is used instead. | Velloran | OK",
     "Das Tag wurde übernommen, außer:\nCOLOR=\"transparent\" ist keine Farbe.\nSIZE=\"huge\" ist keine "
     "Größe.\n"
     "Die Schriftart „Frutiger“ ist nicht installiert; stattdessen wird „Abadi“ verwendet. | Velloran | OK"},
    {"CSS with parts that do not read",
     [](TfrmMain& main, const QString&) {
         PasteTag(main,
                  "body { color: rgb(0 0 0 / 50%); margin: 0 } a:hover { color: lime } @media print { }\n"
                  ".velloran { font: menu; font-weight: heavy; text-align: middle }");
     },
     "The CSS was loaded from body, .velloran except for:\n"
     "color: rgb(0 0 0 / 50%) is loaded without its transparency: a style's colors are opaque.\n"
     "font-weight: heavy is not a weight.\ntext-align: middle is not an alignment.\n"
     "font: menu is not read: a system font is each visitor's own.\nmargin in body: not part of a style.\n"
     "a:hover: a style has no such link color.\n@media: not part of a style. | Velloran | OK",
     "Das CSS wurde aus body, .velloran übernommen, außer:\n"
     "color: rgb(0 0 0 / 50%) wird ohne Transparenz übernommen: Die Farben eines Stils sind deckend.\n"
     "font-weight: heavy ist keine Schriftstärke.\ntext-align: middle ist keine Ausrichtung.\n"
     "font: menu wird nicht gelesen: Eine Systemschrift ist bei jedem Besucher eine andere.\n"
     "margin in body: nicht Teil eines Stils.\na:hover: Ein Stil hat keine solche Linkfarbe.\n"
     "@media: nicht Teil eines Stils. | Velloran | OK"},
    {"a damaged style file",
     [](TfrmMain& main, const QString& dir) {
         QFile file(dir + "/Bad.vls");
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         file.write("[Font]\ncolorFont=nothex\n");
         file.close();
         main.ChooseStyleToOpen = [dir] { return (dir + "/Bad.vls").toStdString(); };
         main.mnuFileOpen->trigger();
     },
     "'$nothex' is not a valid integer value | Velloran | OK",
     "„$nothex“ ist kein gültiger Ganzzahlwert | Velloran | OK"},
};

// Under German the boxes read German; in English they read as they always have.
TEST_F(LanguageTest, BoxesReadInTheUsersLanguage) {
    for (const BoxRow& row : kBoxes) {
        for (const char* language : {"en", "de"}) {
            Start(language);
            const QString shown = ShownBox([&] { row.open(*window, folder.path()); }, folder.path());
            EXPECT_EQ(shown.toStdString(), std::string(language) == "en" ? row.english : row.german)
                << row.name << " " << language;
        }
    }
}

}  // namespace
