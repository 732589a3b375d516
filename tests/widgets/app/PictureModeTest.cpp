// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "platform/Clipboard.h"
#include "style/TagText.h"
#include "tests/widgets/ErrorLog.h"
#include "tests/widgets/app/MainWindowFixture.h"
#include "tests/widgets/controls/GifFiles.h"
#include "windows/FileOpen.h"

namespace {

using Chooser = windows::TfrmFileOpen;

// The picture chooser starts in the current folder when there is no picture yet, so these
// tests run in a folder that holds two pictures.
class PictureModeTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        a = giftest::SaveGif(folder.filePath("a.gif"), giftest::OneFrame(giftest::Solid(4, 4, 1)));
        b = giftest::SaveGif(folder.filePath("b.gif"), giftest::OneFrame(giftest::Solid(4, 4, 2)));
    }
    void TearDown() override {
        QDir::setCurrent(previous);
        MainWindowTest::TearDown();
    }

    // Runs the action; the chooser it opens is handled by `interact`.
    void WithChooser(const std::function<void()>& action, const std::function<void(Chooser&)>& interact) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<Chooser*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            seen = true;
            interact(*chooser);
        });
        action();
        EXPECT_TRUE(seen) << "no chooser opened";
    }
    static void Choose(Chooser& chooser, int row) {
        chooser.FileListBox1->setCurrentRow(row);
        chooser.cmdOK->click();
    }
    static void Cancel(Chooser& chooser) { chooser.cmdCancel->click(); }
    void ClickPicture() const { QTest::mouseClick(window->optPicture, Qt::LeftButton, {}, QPoint(5, 5)); }
    void ClickColor() const { QTest::mouseClick(window->optColor, Qt::LeftButton, {}, QPoint(5, 5)); }
    QRgb PreviewPixel() const {
        EXPECT_TRUE(giftest::WaitForLoad(*window->GIFImage1()));
        return window->PanelTop->grab().toImage().pixel(10, 140) | 0xFF000000;
    }
    // The picture is decoded in the background: what it shows once that is over.
    QRgb PictureBuffer() const {
        EXPECT_TRUE(giftest::WaitForLoad(*window->GIFImage1()));
        return window->GIFImage1()->FrameBuffer().pixel(0, 0) | 0xFF000000;
    }

    QString previous;
    std::string a, b;
};

}  // namespace

TEST_F(PictureModeTest, CancellingFromPictureWithNoPictureStaysInColourModeOnBothPages) {
    for (bool body : {false, true}) {
        if (body) ShowBodyPage();
        WithChooser([&] { ClickPicture(); }, Cancel);
        EXPECT_TRUE(window->optColor->isChecked()) << body;
        EXPECT_FALSE(window->Style().PictureMode) << body;
        EXPECT_EQ(window->PanelTop->lblBodyColor->isVisible(), body);
    }
}

TEST_F(PictureModeTest, ChoosingOnTheFontPageSelectsPictureAndNamesTheFileInTheBodyTag) {
    WithChooser([&] { window->cmdBrowse->click(); }, [](Chooser& c) { Choose(c, 1); });
    EXPECT_TRUE(window->optPicture->isChecked());
    EXPECT_TRUE(window->Style().PictureMode);
    EXPECT_EQ(window->Style().PicturePath, b);
    EXPECT_EQ(window->GIFImage1()->FileName(), b);
    EXPECT_EQ(window->lblFilename->Caption(), "b.gif");
    EXPECT_FALSE(window->PanelTop->lblDisplay->autoFillBackground()) << "the text lies over the picture";
    EXPECT_EQ(PreviewPixel(), giftest::GlobalColor(2));
    window->cmdBodyTagClick();
    EXPECT_EQ(platform::ClipboardText().rfind("<BODY  BACKGROUND=\"b.gif\" BGCOLOR=", 0), 0u)
        << platform::ClipboardText();
}

// On the Body page a picture chosen in colour mode is shown but not used until "Picture" is
// selected; "Color" then puts the fill back over the picture.
TEST_F(PictureModeTest, BodyPageKeepsTheModeUntilPictureIsSelected) {
    ShowBodyPage();
    WithChooser([&] { window->cmdBrowse->click(); }, [](Chooser& c) { Choose(c, 0); });
    EXPECT_TRUE(window->optColor->isChecked());
    EXPECT_FALSE(window->PanelTop->lblBodyColor->isVisible());
    EXPECT_EQ(Tag().find("BACKGROUND"), std::string::npos);
    EXPECT_EQ(PreviewPixel(), giftest::GlobalColor(1));

    ClickPicture();
    EXPECT_NE(Tag().find("<BODY  BACKGROUND=\"a.gif\""), std::string::npos) << Tag();
    ClickColor();
    EXPECT_TRUE(window->PanelTop->lblBodyColor->isVisible());
    EXPECT_EQ(PreviewPixel(), qRgb(0, 0, 0)) << "the black fill covers the picture";
    EXPECT_EQ(Tag().find("BACKGROUND"), std::string::npos);
    ClickPicture();
    EXPECT_EQ(PreviewPixel(), giftest::GlobalColor(1)) << "and goes again for the picture";
}

TEST_F(PictureModeTest, RefreshReadsTheFileAgainAndReportsOneThatCannotBeRead) {
    WithChooser([&] { window->cmdBrowse->click(); }, [](Chooser& c) { Choose(c, 0); });
    ASSERT_EQ(PictureBuffer(), giftest::GlobalColor(1));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    giftest::SaveGif(QString::fromStdString(a), giftest::OneFrame(giftest::Solid(4, 4, 3)));
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(PictureBuffer(), giftest::GlobalColor(3));

    // The file is replaced by something that cannot be read: activation keeps the picture
    // silently, Refresh keeps it and says so.
    QFile::remove(QString::fromStdString(a));
    ASSERT_EQ(mkfifo(a.c_str(), 0600), 0);
    window->ApplicationActivate();
    EXPECT_TRUE(TakeErrors().isEmpty());
    window->mnuOptionsRefresh->trigger();
    EXPECT_EQ(TakeErrors(), QStringList{QString::fromStdString("Unable to read " + a)});
    EXPECT_EQ(PictureBuffer(), giftest::GlobalColor(3));
    EXPECT_EQ(window->Style().PicturePath, a);

    // A file that is no longer a GIF empties the picture.
    QFile::remove(QString::fromStdString(a));
    giftest::Save(QString::fromStdString(a), {'n', 'o'});
    window->ApplicationActivate();
    EXPECT_TRUE(window->GIFImage1()->FrameBuffer().isNull());
    EXPECT_EQ(window->Style().PicturePath, "");
}

TEST_F(PictureModeTest, AStyleFileWithAPictureShowsItInPictureMode) {
    const std::string style = folder.filePath("tiled.vls").toStdString();
    QFile file(QString::fromStdString(style));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString("[Font]\nbackground=" + b + "\npicture=1\n"));
    file.close();
    window->ChooseStyleToOpen = [&] { return style; };
    window->mnuFileOpen->trigger();
    EXPECT_TRUE(window->optPicture->isChecked());
    EXPECT_EQ(window->lblFilename->Caption(), "b.gif");
    EXPECT_EQ(PreviewPixel(), giftest::GlobalColor(2));
    EXPECT_NE(QString::fromStdString(MakeBodyTag(window->Style())).indexOf("BACKGROUND=\"b.gif\""), -1);
}

// A file that cannot be read, selected after one that can, is reported and leaves nothing to
// hand over: OK passes an empty name and the window stays in colour mode.
TEST_F(PictureModeTest, AFileThatCannotBeReadIsNotHandedOverAndColourStays) {
    QFile huge(folder.filePath("c.gif"));  // past the reader's 1 GiB, without taking the space
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize((qint64{1} << 30) + 1));
    const std::string c = huge.fileName().toStdString();
    WithChooser([&] { window->cmdBrowse->click(); },
                [&](Chooser& chooser) {
                    chooser.FileListBox1->setCurrentRow(0);
                    chooser.FileListBox1->setCurrentRow(2);
                    EXPECT_EQ(TakeErrors(), QStringList{QString::fromStdString("Unable to read " + c)});
                    EXPECT_TRUE(chooser.GIFImagePreview->FrameBuffer().isNull());
                    chooser.cmdOK->click();
                });
    EXPECT_TRUE(window->optColor->isChecked());
    EXPECT_EQ(window->lblFilename->Caption(), "");
    EXPECT_EQ(MakeBodyTag(window->Style()).find("BACKGROUND"), std::string::npos);
}

// Rewritten in place with the same size and modification time, the file counts as unchanged
// and activation keeps the picture it shows; a new modification time makes it read again.
TEST_F(PictureModeTest, ActivationReadsThePictureAgainOnlyWhenTheFileChanged) {
    WithChooser([&] { window->cmdBrowse->click(); }, [](Chooser& c) { Choose(c, 0); });
    ASSERT_EQ(PictureBuffer(), giftest::GlobalColor(1));
    struct stat before {};
    ASSERT_EQ(stat(a.c_str(), &before), 0);
    giftest::SaveGif(QString::fromStdString(a), giftest::OneFrame(giftest::Solid(4, 4, 3)));
    struct stat after {};
    ASSERT_EQ(stat(a.c_str(), &after), 0);
    ASSERT_EQ(after.st_size, before.st_size);
    ASSERT_EQ(after.st_ino, before.st_ino);
    timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, a.c_str(), times, 0), 0);
    window->ApplicationActivate();
    EXPECT_EQ(PictureBuffer(), giftest::GlobalColor(1));

    times[1].tv_sec += 1;
    ASSERT_EQ(utimensat(AT_FDCWD, a.c_str(), times, 0), 0);
    window->showMaximized();
    EXPECT_EQ(PictureBuffer(), giftest::GlobalColor(1)) << "not on any change of state";
    window->showMinimized();
    window->showNormal();
    EXPECT_EQ(PictureBuffer(), giftest::GlobalColor(3)) << "on a restore from the taskbar";
}
