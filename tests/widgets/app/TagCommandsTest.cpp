// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>

#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "style/ColorValue.h"
#include "style/Contrast.h"
#include "style/ContrastFix.h"
#include "style/TagParser.h"
#include "style/TagText.h"
#include "style/VisionSimulation.h"
#include "tests/widgets/ErrorLog.h"
#include "tests/widgets/app/MainWindowFixture.h"
#include "tests/widgets/controls/GifFiles.h"
#include "windows/ContrastCheck.h"

namespace {

void Paste(TfrmMain& window, const std::string& text) {
    platform::SetClipboardText(text);
    window.mnuEditPasteTag->trigger();
}

}  // namespace

TEST_F(MainWindowTest, PastedFontTagLoadsThroughTheControls) {
    Paste(*window, "<b><font color=red size=-1 face=\"arial, 'Verdana'\">Hi</font></b>");
    EXPECT_EQ(Tag(), "<FONT COLOR=\"#FF0000\"  SIZE=\"2\" FACE=\"'Arial','Verdana'\"><B></B></FONT>");
    EXPECT_EQ(Bars(), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(Font().lboFont->currentItem()->text(), "Arial");
    EXPECT_EQ(Font().LboAltFonts->count(), 1);
    EXPECT_TRUE(Font().cmdBold->isChecked());
    EXPECT_FALSE(Font().cmdCenter->isChecked());
    EXPECT_EQ(Font().lblFontSize->text(), "Font Size = 10");
    EXPECT_EQ(window->PanelTop->lblDisplay->text(), "Hi");
    EXPECT_TRUE(window->PanelTop->lblDisplay->font().bold());
}

// On the Body page the colour panel keeps editing its target, now with the pasted colour.
TEST_F(MainWindowTest, PastedBodyTagFollowsOnTheBodyPage) {
    ShowBodyPage();
    QTest::mouseClick(window->chkNormal, Qt::LeftButton, {}, QPoint(5, 5));
    Paste(*window, "<BODY BGCOLOR=white TEXT=#333>");
    EXPECT_EQ(
        Tag(),
        "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#333333\" LINK=\"#00FFFF\" VLINK=\"#008000\" ALINK=\"#FFFF00\" >");
    EXPECT_EQ(Bars(), (std::array<int, 3>{0x33, 0x33, 0x33}));
    EXPECT_EQ(window->ShapeBGcolor->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(window->PanelTop->lblNormalText->palette().color(QPalette::WindowText),
              QColor(0x33, 0x33, 0x33));
}

TEST_F(MainWindowTest, ClipboardWithoutATagChangesNothing) {
    const std::string tag = Tag();
    const std::string before = MakeFontTag(window->Style(), true) + MakeBodyTag(window->Style());
    for (const char* text : {"", "just words", "<p class=x>FONT BODY</p>", "<fontface color=red>"}) {
        Paste(*window, text);
        EXPECT_EQ(TakeErrors(), QStringList{QString::fromUtf8(kNoTagMessage.data())}) << text;
        EXPECT_EQ(MakeFontTag(window->Style(), true) + MakeBodyTag(window->Style()), before) << text;
        EXPECT_EQ(Tag(), tag) << text;
    }
}

TEST_F(MainWindowTest, PartlyBadTagLoadsTheRestAndNamesItInOneWarning) {
    // The real box, read and closed once it shows.
    platform::TApplication::SetErrorSink({});
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        icon = box->icon();
        text = box->text();
        box->accept();
    });
    closer.start(10);
    Paste(*window, "<FONT COLOR=transparent SIZE=3 FACE=Helvetica>");
    RecordErrors();
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(text,
              "The tag was loaded except for:\nCOLOR=\"transparent\" is not a color.\n"
              "The face \"Helvetica\" is not installed; \"Abadi\" is used instead.");
    EXPECT_EQ(Tag(), "<FONT COLOR=\"#FFFF00\"  SIZE=\"3\" FACE=\"'Abadi'\"></FONT>");
}

TEST_F(MainWindowTest, ContrastCheckFollowsTheColoursLive) {
    window->mnuOptionsContrast->trigger();
    windows::TfrmContrast* check = window->frmContrast;
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(check->Rows[0].ratio->text(), "19.5:1");
    EXPECT_EQ(check->Rows[0].name->text(), "Font color (large text)");
    // The name is in the window's text colour; the sample beside it shows the pair under test.
    EXPECT_EQ(check->Rows[0].name->palette().color(QPalette::WindowText),
              check->palette().color(QPalette::WindowText));
    EXPECT_EQ(check->Rows[0].sample->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(check->Rows[0].sample->grab().toImage().pixelColor(1, 1), QColor(Qt::black));

    ClickSwatch("Gray");
    EXPECT_EQ(check->Rows[0].ratio->text(), "5.3:1");
    EXPECT_EQ(check->Rows[0].aaa->text(), "Pass");  // large text needs 4.5 for AAA

    // Step 4 is not large text, bold or not: browsers draw it at 13.5 points.
    Font().SlideBarFontSize->SetPosition(4);
    EXPECT_EQ(check->Rows[0].name->text(), "Font color");
    EXPECT_EQ(check->Rows[0].aaa->text(), "Fail");
    QTest::mouseClick(Font().cmdBold, Qt::LeftButton);
    EXPECT_EQ(check->Rows[0].name->text(), "Font color");

    ShowBodyPage();
    ClickSwatch("White");  // the background
    EXPECT_EQ(check->Rows[1].ratio->text(), "1.0:1");
    EXPECT_EQ(check->Rows[1].aa->text(), "Fail");
    EXPECT_EQ(check->Rows[0].ratio->text(), "3.9:1");

    EXPECT_FALSE(check->lblPicture->isVisibleTo(check));
    // A picture that exists, so that picture mode takes it rather than opening the chooser.
    const std::string tile =
        giftest::SaveGif(folder.filePath("tile.gif"), giftest::OneFrame(giftest::Solid(2, 2, 1)));
    window->SetPicture(tile, "tile.gif");
    window->SelectPictureMode();
    EXPECT_TRUE(check->lblPicture->isVisibleTo(check));
}

TEST_F(MainWindowTest, ContrastCheckOpensOnceAndEscapeClosesIt) {
    window->mnuOptionsContrast->trigger();
    QPointer<windows::TfrmContrast> first = window->frmContrast;
    window->mnuOptionsContrast->trigger();
    EXPECT_EQ(window->frmContrast, first);
    EXPECT_EQ(window->findChildren<windows::TfrmContrast*>().size(), 1);

    // The check has the keyboard from the start: Escape goes wherever the keyboard is.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == first; }))
        << (QApplication::activeWindow() ? QApplication::activeWindow()->objectName().toStdString() : "none");
    QTest::keyClick(QApplication::activeWindow(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    window->mnuOptionsContrast->trigger();
    EXPECT_NE(window->frmContrast, nullptr);
}

// The whole preview band is redrawn as the visitor sees it, and only while the simulation is on.
TEST_F(MainWindowTest, SimulatedVisionRecoloursThePreviewAndSaysSoInTheCaption) {
    ShowBodyPage();
    Paste(*window, "<BODY BGCOLOR=#FF0000>");
    const QPoint inBand = window->PanelTop->mapTo(window.get(), QPoint(10, 140));
    auto pixel = [&] { return window->grab().toImage().pixelColor(inBand); };
    ASSERT_EQ(pixel(), QColor(255, 0, 0));
    const QString caption = window->windowTitle();
    for (std::size_t i = 1; i < kVisions.size(); ++i) {
        window->mnuOptionsVision[i]->trigger();
        const auto seen = colorvalue::ChannelsOf(SimulateVision(kVisions[i], 0x0000FF));
        EXPECT_EQ(pixel(), QColor(seen.red, seen.green, seen.blue)) << i;
        EXPECT_EQ(window->windowTitle(), caption + " (simulating " + VisionName(kVisions[i]).data() + ")");
        EXPECT_EQ(window->Style().BackColor, 0x0000FFu);
    }
    // The submenus' severities and the veil, each with its own pixel and caption.
    struct Row {
        QAction* action;
        TSimulation simulation;
        const char* added;
    };
    const Row rows[] = {
        {window->mnuOptionsAnomaly[1][5],
         {TVision::Deuteranomaly, 6},
         " (simulating Deuteranomaly, severity 0.6)"},
        {window->mnuOptionsAnomaly[0][2],
         {TVision::Protanomaly, 3},
         " (simulating Protanomaly, severity 0.3)"},
        {window->mnuOptionsAnomaly[2][9],
         {TVision::Tritanomaly, 10},
         " (simulating Tritanomaly, severity 1.0)"},
        {window->mnuOptionsLowContrast, TVision::ReducedContrast, " (simulating Reduced Contrast)"},
    };
    for (const Row& row : rows) {
        row.action->trigger();
        EXPECT_TRUE(row.action->isChecked());
        const auto seen = colorvalue::ChannelsOf(SimulateVision(row.simulation, 0x0000FF));
        EXPECT_EQ(pixel(), QColor(seen.red, seen.green, seen.blue)) << row.added;
        EXPECT_EQ(window->windowTitle(), caption + row.added);
    }
    // Deuteranomaly at 0.6 as the published matrix gives it, worked by hand: linear red 1
    // becomes (0.498864, 0.205199, 0) in linear light.
    window->mnuOptionsAnomaly[1][5]->trigger();
    EXPECT_EQ(pixel(), QColor(187, 125, 0));
    window->mnuOptionsVision[0]->trigger();
    EXPECT_FALSE(window->mnuOptionsAnomaly[1][5]->isChecked());
    EXPECT_EQ(pixel(), QColor(255, 0, 0));
    EXPECT_EQ(window->windowTitle(), caption);
}

// Blurred Vision spreads the text's ink: black letters on white come out grey at their
// darkest, while the colour far from any letter stays as it was.
TEST_F(MainWindowTest, BlurredVisionSoftensTheSampleText) {
    ShowBodyPage();
    Paste(*window, "<BODY BGCOLOR=#FFFFFF TEXT=#000000>");
    QLabel* line = window->PanelTop->lblNormalText;
    auto darkest = [&] {
        const QImage image =
            window->grab(QRect(line->mapTo(window.get(), QPoint(0, 0)), line->size())).toImage();
        int least = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) least = std::min(least, qGray(image.pixel(x, y)));
        return least;
    };
    ASSERT_EQ(darkest(), 0);
    // Above the sample lines, further from them and from the band's frame than the blur reaches.
    int top = window->PanelTop->height();
    for (QLabel* sample : window->PanelTop->SampleLines()) top = std::min(top, sample->geometry().top());
    const int y = (window->PanelTop->contentsRect().top() + top) / 2;
    ASSERT_GT(top - y, 7);
    const QPoint clear = window->PanelTop->mapTo(window.get(), QPoint(window->PanelTop->width() / 2, y));
    window->mnuOptionsBlurred->trigger();
    EXPECT_EQ(window->windowTitle().endsWith(" (simulating Blurred Vision)"), true);
    EXPECT_GT(darkest(), 60);
    EXPECT_EQ(window->grab().toImage().pixelColor(clear), QColor(255, 255, 255));
    window->mnuOptionsVision[0]->trigger();
    EXPECT_EQ(darkest(), 0);
}

// A Fix goes in as a swatch click does: style, tag, preview and the check itself follow.
TEST_F(MainWindowTest, FixInTheContrastCheckSetsTheNearestPassingColour) {
    ShowBodyPage();
    Paste(*window, "<BODY BGCOLOR=#FFFFFF TEXT=#CCCCCC LINK=#0000CC>");
    window->mnuOptionsContrast->trigger();
    windows::TfrmContrast* check = window->frmContrast;
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->Rows[1].fix->isVisibleTo(check));
    EXPECT_FALSE(check->Rows[2].fix->isVisibleTo(check));  // dark blue on white passes

    const auto fix = NearestPassingColor(0xCCCCCC, 0xFFFFFF, 4.5);
    ASSERT_TRUE(fix.has_value());
    // Before it is applied, the row shows the colour it would set and that colour's ratio.
    const QString fixed = QString::fromStdString("#" + colorvalue::TagForm(fix->color));
    EXPECT_EQ(check->Rows[1].fix->text(), "Fix AA");
    EXPECT_EQ(check->Rows[1].fix->accessibleName(), "Fix AA Normal text");
    EXPECT_EQ(check->Rows[1].suggestion->text(),
              fixed + " " + QString::fromStdString(ContrastText(ContrastRatio(fix->color, 0xFFFFFF))));
    EXPECT_TRUE(check->Rows[1].suggestion->isVisibleTo(check));
    EXPECT_EQ(check->Rows[1].suggestion->palette().color(QPalette::WindowText).name(QColor::HexRgb).toUpper(),
              fixed);
    EXPECT_EQ(window->Style().TextColor, 0xCCCCCCu);
    QTest::mouseClick(check->Rows[1].fix, Qt::LeftButton);
    EXPECT_EQ(window->Style().TextColor, fix->color);
    EXPECT_NE(Tag().find("TEXT=\"#" + colorvalue::TagForm(fix->color) + "\""), std::string::npos) << Tag();
    const auto c = colorvalue::ChannelsOf(fix->color);
    EXPECT_EQ(window->PanelTop->lblNormalText->palette().color(QPalette::WindowText),
              QColor(c.red, c.green, c.blue));
    EXPECT_EQ(check->Rows[1].aa->text(), "Pass");
    // Now AA passes and AAA fails: the row offers the AAA fix.
    EXPECT_EQ(check->Rows[1].aaa->text(), "Fail");
    EXPECT_EQ(check->Rows[1].fix->text(), "Fix AAA");
    EXPECT_EQ(check->Rows[1].fix->accessibleName(), "Fix AAA Normal text");
    // The fix was one undo step, named after it.
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo Fix AA");
    window->mnuEditUndo->trigger();
    EXPECT_EQ(window->Style().TextColor, 0xCCCCCCu);
    window->mnuEditRedo->trigger();
    EXPECT_EQ(window->Style().TextColor, fix->color);

    const auto aaa = NearestPassingColor(fix->color, 0xFFFFFF, 7.0);
    ASSERT_TRUE(aaa.has_value());
    QTest::keyClick(check->Rows[1].fix, Qt::Key_Space);
    EXPECT_EQ(window->Style().TextColor, aaa->color);
    EXPECT_EQ(check->Rows[1].aaa->text(), "Pass");
    EXPECT_FALSE(check->Rows[1].fix->isVisibleTo(check));
    EXPECT_FALSE(check->Rows[1].suggestion->isVisibleTo(check));

    // A second fix of a passing row changes nothing.
    const std::string tag = Tag();
    check->FixRow(1);
    EXPECT_EQ(Tag(), tag);
    EXPECT_EQ(window->Style().TextColor, aaa->color);
}

// Links against the body text: marked as needed, and fixed, only once the page's links are
// said not to be underlined.
TEST_F(MainWindowTest, LinkRowsNeedThreeToOneAgainstTheTextWhenNotUnderlined) {
    ShowBodyPage();
    Paste(*window, "<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000EE VLINK=#551A8B ALINK=#FF0000>");
    window->mnuOptionsContrast->trigger();
    windows::TfrmContrast* check = window->frmContrast;
    ASSERT_NE(check, nullptr);
    struct Row {
        std::size_t index;
        const char* name;
        const char* ratio;
        const char* mark;
    };
    const Row rows[] = {
        {5, "New links against text", "2.2:1", "Fail"},
        {6, "Visited links against text", "1.9:1", "Fail"},
        {7, "Active links against text", "5.2:1", "Pass"},
    };
    ASSERT_TRUE(check->chkUnderlined->isChecked());
    for (const Row& row : rows) {
        EXPECT_EQ(check->Rows[row.index].name->text(), row.name);
        EXPECT_EQ(check->Rows[row.index].ratio->text(), row.ratio);
        EXPECT_EQ(check->Rows[row.index].aa->text(), "Not needed");
        EXPECT_FALSE(check->Rows[row.index].fix->isVisibleTo(check));
    }
    QTest::mouseClick(check->chkUnderlined, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_FALSE(check->chkUnderlined->isChecked());
    for (const Row& row : rows) {
        EXPECT_EQ(check->Rows[row.index].aa->text(), row.mark) << row.name;
        EXPECT_EQ(check->Rows[row.index].fix->isVisibleTo(check), std::string(row.mark) == "Fail")
            << row.name;
    }
    const auto fix = LinkApartFromText(0xEE0000, 0x000000, 0xFFFFFF);
    ASSERT_TRUE(fix.has_value());
    EXPECT_EQ(check->Rows[5].fix->text(), "Fix 3:1");
    EXPECT_EQ(check->Rows[5].fix->accessibleName(), "Fix 3:1 New links against text");
    QTest::mouseClick(check->Rows[5].fix, Qt::LeftButton);
    EXPECT_EQ(window->Style().LinkColor, fix->color);
    EXPECT_EQ(check->Rows[5].aa->text(), "Pass");
    EXPECT_EQ(check->Rows[2].aa->text(), "Pass");  // still AA against the background
    EXPECT_NE(Tag().find("LINK=\"#" + colorvalue::TagForm(fix->color) + "\""), std::string::npos) << Tag();
    window->mnuEditUndo->trigger();
    EXPECT_EQ(window->Style().LinkColor, 0xEE0000u);
}

// Achromatopsia leaves every grey as it is, so over black text on white the band drawn through
// the simulation must equal the band drawn without it, device pixel for device pixel. At a
// fractional scale (the test runs again at 1.25 and 1.75) the widget starts between device
// pixels, and a picture put back from a whole pixel lands its frame and text one pixel off.
TEST_F(MainWindowTest, SimulatedVisionKeepsEveryGreyOfThePreviewInItsPlace) {
    ShowBodyPage();
    Paste(*window, "<BODY BGCOLOR=#FFFFFF TEXT=#000000>");
    // The whole window, as the band's place in it decides where its device pixels fall.
    auto shot = [&] { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage normal = shot();
    window->mnuOptionsVision[4]->trigger();
    const QImage simulated = shot();
    window->mnuOptionsVision[0]->trigger();
    const qreal ratio = normal.devicePixelRatio();
    const QRectF place(window->PanelTop->mapTo(window.get(), QPoint(0, 0)), window->PanelTop->size());
    const QRect band = QRectF(place.topLeft() * ratio, place.size() * ratio).toAlignedRect();
    ASSERT_EQ(normal.size(), simulated.size());
    int moved = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            const QRgb was = normal.pixel(x, y);
            if (qRed(was) == qGreen(was) && qGreen(was) == qBlue(was) &&
                std::abs(qGray(was) - qGray(simulated.pixel(x, y))) > 24)
                ++moved;
        }
    EXPECT_EQ(moved, 0) << "at scale " << ratio;
}
