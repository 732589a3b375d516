#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include "tests/widgets/FixedFaces.h"

#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Error.h"
#include "platform/Faces.h"
#include "platform/Paths.h"
#include "tests/widgets/ErrorLog.h"

namespace {

class ThrowingWidget : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override { throw platform::Error("Unable to write to /x/y.vls"); }
};

}  // namespace

TEST(ErrorBackstop, AnExceptionInAnEventIsShownAndTheProgramGoesOn) {
    ThrowingWidget widget;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    EXPECT_EQ(TakeErrors(), QStringList{"Unable to write to /x/y.vls"});

    bool ranLater = false;
    QTimer::singleShot(0, [&] { ranLater = true; });
    QApplication::processEvents();
    EXPECT_TRUE(ranLater);
}

TEST(Faces, FamiliesAreListedByTheirPlainNameOnce) {
    EXPECT_EQ(platform::PlainFamilyName("Noto Sans [GOOG]"), "Noto Sans");
    EXPECT_EQ(platform::PlainFamilyName("Odd [Name] Face"), "Odd [Name] Face");
    platform::SetFaceSource(std::make_unique<FixedFaces>(
        std::vector<std::string>{"Noto Sans [GOOG]", "Arial", "Noto Sans [Other]", "Noto Sans"}));
    EXPECT_EQ(platform::InstalledFaces(), (std::vector<std::string>{"Noto Sans", "Arial"}));
}

TEST(Faces, NegativeHeightIsAPixelSize) {
    EXPECT_EQ(platform::MakeFont("DejaVu Sans", -11).pixelSize(), 11);
    EXPECT_EQ(platform::MakeFont("DejaVu Sans", 24).pointSize(), 24);
}

TEST(Paths, ProgramDirIsTheExecutablesFolderWithASlash) {
    const std::string dir = platform::ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(platform::DirectoryExists(dir));
    EXPECT_FALSE(platform::FileExists(dir));
    EXPECT_TRUE(platform::FileExists(QCoreApplication::applicationFilePath().toStdString()));
    EXPECT_FALSE(platform::FileExists(dir + "no-such-file"));
}

TEST(Clipboard, HoldsExactlyTheTextGiven) {
    platform::SetClipboardText("<BODY  BGPICTURE=\"a b.gif\" >");
    EXPECT_EQ(platform::ClipboardText(), "<BODY  BGPICTURE=\"a b.gif\" >");
}
