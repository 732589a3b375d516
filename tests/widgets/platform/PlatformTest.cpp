// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QFontInfo>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>

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

// A classic web face is listed when it or a metric-compatible twin is installed, and is
// then drawn through the best installed twin.
TEST(Faces, WebFacesAreListedAndDrawnThroughTheirTwins) {
    struct Row {
        std::vector<std::string> installed;
        std::vector<std::string> listed;
        const char* face;
        QStringList drawnWith;
    };
    const Row rows[] = {
        {{"Liberation Sans", "DejaVu Sans"},
         {"Liberation Sans", "DejaVu Sans", "Arial", "Helvetica"},
         "Arial",
         {"Liberation Sans"}},
        {{"Arimo", "Nimbus Sans", "Liberation Sans"},
         {"Arimo", "Nimbus Sans", "Liberation Sans", "Arial", "Helvetica"},
         "Helvetica",
         {"Nimbus Sans", "Liberation Sans", "Arimo"}},
        {{"Tinos", "Cousine"},
         {"Tinos", "Cousine", "Times New Roman", "Courier New"},
         "Courier New",
         {"Cousine"}},
        {{"Gelasio", "Carlito", "Caladea"},
         {"Gelasio", "Carlito", "Caladea", "Georgia", "Calibri", "Cambria"},
         "Calibri",
         {"Carlito"}},
        // The face itself installed: listed once, drawn as itself.
        {{"Arial", "Liberation Sans"}, {"Arial", "Liberation Sans", "Helvetica"}, "Arial", {}},
        {{"DejaVu Sans"}, {"DejaVu Sans"}, "Georgia", {}},
    };
    for (const Row& row : rows) {
        platform::SetFaceSource(std::make_unique<FixedFaces>(row.installed));
        EXPECT_EQ(platform::InstalledFaces(), row.listed) << row.face;
        platform::InstallFontSubstitutions();
        // The font database keeps substitutes in lower case.
        QStringList drawnWith;
        for (const QString& twin : row.drawnWith) drawnWith.append(twin.toLower());
        EXPECT_EQ(QFont::substitutes(row.face), drawnWith) << row.face;
    }
    platform::SetFaceSource(nullptr);
    platform::InstallFontSubstitutions();
}

// With fonts-liberation installed, as the program's packages have it, the preview draws
// the classic faces with Liberation's.
TEST(Faces, ClassicFacesAreDrawnWithInstalledTwins) {
    platform::InstallFontSubstitutions();
    EXPECT_EQ(QFontInfo(platform::MakeFont("Arial", 12)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(platform::MakeFont("Courier New", 12)).family(), "Liberation Mono");
    const std::vector<std::string> faces = platform::InstalledFaces();
    for (const char* face : {"Arial", "Times New Roman", "Courier New"}) {
        EXPECT_NE(std::find(faces.begin(), faces.end(), face), faces.end()) << face;
    }
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
