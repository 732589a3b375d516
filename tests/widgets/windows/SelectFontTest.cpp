// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "tests/widgets/FixedFaces.h"

#include <memory>
#include <vector>

#include "controls/BoxLabl.h"
#include "platform/Faces.h"
#include "windows/SelectFont.h"

using windows::TfrmSelectFont;

namespace {

void UseFaces(std::vector<std::string> faces) {
    platform::SetFaceSource(std::make_unique<FixedFaces>(std::move(faces)));
}

// An opened picker and every face it handed to the main window's list.
struct Picker {
    std::vector<QString>& added;
    TfrmSelectFont dialog;

    explicit Picker(std::vector<QString>& list)
        : added(list), dialog([this](const QString& face) { added.push_back(face); }) {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    QListWidget* List() { return dialog.findChild<QListWidget*>("LboAltFonts"); }
    controls::TBoxLabel* Preview() { return dialog.findChild<controls::TBoxLabel*>("lblPreview"); }
    QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(name); }
    QStringList Items() {
        QStringList items;
        for (int i = 0; i < List()->count(); ++i) items.append(List()->item(i)->text());
        return items;
    }
    QString Selected() {
        const QList<QListWidgetItem*> selected = List()->selectedItems();
        return selected.size() == 1 ? selected[0]->text() : QStringLiteral("<none>");
    }
    QPoint CentreOf(int row) { return List()->visualItemRect(List()->item(row)).center(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

bool HasDejaVu() {
    return QFontDatabase::hasFamily("DejaVu Sans") && QFontDatabase::hasFamily("DejaVu Serif");
}

}  // namespace

TEST(SelectFont, FrameIsFixedCentredAndColoured) {
    UseFaces({"A"});
    std::vector<QString> added;
    Picker p(added);
    EXPECT_EQ(p.dialog.windowTitle(), QStringLiteral(" Select Font"));
    EXPECT_EQ(p.dialog.size(), QSize(329, 91));
    EXPECT_EQ(p.dialog.minimumSize(), p.dialog.maximumSize());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((p.dialog.geometry().center() - screen.center()).manhattanLength(), 2);
    // The form's own colour shows between the controls.
    const QImage shot = p.dialog.grab().toImage();
    EXPECT_EQ(shot.pixelColor(122, 50), QColor(64, 128, 128));
    EXPECT_EQ(shot.pixelColor(318, 50), QColor(64, 128, 128));
    EXPECT_EQ(shot.pixelColor(130, 12), QColor(192, 192, 192));  // inside the sample's bevels
    EXPECT_TRUE(p.Button("cmdOK")->isDefault());
}

TEST(SelectFont, ListsFacesSortedIgnoringCaseWithTheFirstSelected) {
    // Fontconfig's generic aliases are left out.
    UseFaces({"b", "A", "Sans Serif", "c", "D", "Serif", "Verdana", "Monospace", "arial"});
    std::vector<QString> added;
    Picker p(added);
    EXPECT_EQ(p.Items(), (QStringList{"A", "arial", "b", "c", "D", "Verdana"}));
    EXPECT_EQ(p.Selected(), QStringLiteral("A"));
    EXPECT_EQ(QApplication::focusWidget(), p.List());
    EXPECT_EQ(p.Preview()->Caption(), QFontInfo(p.Preview()->font()).family());
}

// The sample names the face the font got, written in it; a face the desktop lacks shows
// the face standing in for it rather than a name the label is not written in.
TEST(SelectFont, SampleFollowsTheSelectionInItsOwnFace) {
    if (!HasDejaVu()) GTEST_SKIP() << "needs the DejaVu faces";
    UseFaces({"DejaVu Serif", "No Such Face Anywhere", "DejaVu Sans"});
    std::vector<QString> added;
    Picker p(added);
    EXPECT_EQ(p.Preview()->Caption(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(QFontInfo(p.Preview()->font()).family(), QStringLiteral("DejaVu Sans"));

    QTest::mouseClick(p.List()->viewport(), Qt::LeftButton, {}, p.CentreOf(1));
    EXPECT_EQ(p.Preview()->Caption(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(QFontInfo(p.Preview()->font()).family(), QStringLiteral("DejaVu Serif"));

    p.Key(Qt::Key_Down);
    EXPECT_EQ(p.Selected(), QStringLiteral("No Such Face Anywhere"));
    EXPECT_FALSE(p.Preview()->Caption().isEmpty());
    EXPECT_NE(p.Preview()->Caption(), QStringLiteral("No Such Face Anywhere"));
    EXPECT_EQ(p.Preview()->Caption(), QFontInfo(p.Preview()->font()).family());
    EXPECT_EQ(p.Preview()->font().pixelSize(), 19);
    EXPECT_TRUE(added.empty());
}

// Qt names a family that several foundries make with the foundry after it ("C059 [UKWN]");
// the sample names the face as the list does.
TEST(SelectFont, SampleNamesTheFaceAsTheListDoes) {
    const struct {
        const char* listed;
        const char* reported;
        const char* caption;
    } rows[] = {
        {"C059", "C059 [UKWN]", "C059"},
        {"Arial [Monotype]", "Arial [Monotype]", "Arial [Monotype]"},
        {"Arial [Monotype]", "Arial", "Arial [Monotype]"},
        {"verdana", "Verdana", "verdana"},
        {"No Such Face", "DejaVu Sans [PfEd]", "DejaVu Sans"},  // the face standing in
        {"Courier New", "Liberation Mono", "Courier New"},      // its twin draws the face chosen
    };
    for (const auto& row : rows) {
        EXPECT_EQ(windows::SampleCaption(row.listed, row.reported), row.caption) << row.listed;
    }
    if (!QFontDatabase::hasFamily("C059")) return;
    UseFaces({"C059"});
    std::vector<QString> added;
    Picker p(added);
    EXPECT_EQ(p.Preview()->Caption(), QStringLiteral("C059"));
}

TEST(SelectFont, AWebFaceDrawnWithItsTwinIsNamedAsChosen) {
    if (!QFontDatabase::hasFamily("Liberation Mono")) GTEST_SKIP() << "needs Liberation Mono";
    UseFaces({"Courier New", "Liberation Mono"});
    std::vector<QString> added;
    Picker p(added);
    ASSERT_EQ(p.Selected(), QStringLiteral("Courier New"));
    EXPECT_EQ(p.Preview()->Caption(), QStringLiteral("Courier New"));
}

TEST(SelectFont, DoubleClickAddsTheFaceAndCloses) {
    UseFaces({"b", "A", "c"});
    std::vector<QString> added;
    Picker p(added);
    QTest::mouseClick(p.List()->viewport(), Qt::LeftButton, {}, p.CentreOf(2));
    QTest::mouseDClick(p.List()->viewport(), Qt::LeftButton, {}, p.CentreOf(2));
    EXPECT_EQ(added, std::vector<QString>{QStringLiteral("c")});
    EXPECT_EQ(p.dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(p.dialog.isVisible());
}

TEST(SelectFont, OkAndEnterAddTheSelectedFace) {
    enum class Confirm { OkButton, Return, KeypadEnter };
    for (const Confirm confirm : {Confirm::OkButton, Confirm::Return, Confirm::KeypadEnter}) {
        UseFaces({"b", "A", "c"});
        std::vector<QString> added;
        Picker p(added);
        p.Key(Qt::Key_Down);
        switch (confirm) {
            case Confirm::OkButton: QTest::mouseClick(p.Button("cmdOK"), Qt::LeftButton); break;
            case Confirm::Return: p.Key(Qt::Key_Return); break;
            case Confirm::KeypadEnter: p.Key(Qt::Key_Enter, Qt::KeypadModifier); break;
        }
        EXPECT_EQ(added, std::vector<QString>{QStringLiteral("b")}) << static_cast<int>(confirm);
        EXPECT_EQ(p.dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(p.dialog.isVisible());
    }
}

// The main window's list takes whatever is added, so two openings give two copies.
TEST(SelectFont, AddingAFaceTwiceAddsItTwice) {
    UseFaces({"Verdana", "Arial"});
    std::vector<QString> added;
    for (int opening = 0; opening < 2; ++opening) {
        TfrmSelectFont dialog([&](const QString& face) { added.push_back(face); });
        QTimer::singleShot(0, &dialog, [&] {
            QTest::keyClick(dialog.findChild<QListWidget*>("LboAltFonts"), Qt::Key_Return);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    }
    EXPECT_EQ(added, (std::vector<QString>{"Arial", "Arial"}));
}

TEST(SelectFont, CancelEscapeAndCloseAddNothing) {
    enum class Leave { Cancel, EscapeInList, EscapeOnOk, CloseButton };
    for (const Leave leave : {Leave::Cancel, Leave::EscapeInList, Leave::EscapeOnOk, Leave::CloseButton}) {
        UseFaces({"b", "A", "c"});
        std::vector<QString> added;
        Picker p(added);
        p.Key(Qt::Key_Down);
        switch (leave) {
            case Leave::Cancel: QTest::mouseClick(p.Button("cmdCancel"), Qt::LeftButton); break;
            case Leave::EscapeInList: p.Key(Qt::Key_Escape); break;
            case Leave::EscapeOnOk:
                p.Key(Qt::Key_Tab);
                ASSERT_EQ(QApplication::focusWidget(), p.Button("cmdOK"));
                p.Key(Qt::Key_Escape);
                break;
            case Leave::CloseButton: p.dialog.close(); break;
        }
        EXPECT_TRUE(added.empty()) << static_cast<int>(leave);
        EXPECT_EQ(p.dialog.result(), QDialog::Rejected) << static_cast<int>(leave);
        EXPECT_FALSE(p.dialog.isVisible()) << static_cast<int>(leave);
    }
}

TEST(SelectFont, CtrlClickCannotLeaveTheListWithoutASelection) {
    UseFaces({"b", "A", "c"});
    std::vector<QString> added;
    Picker p(added);
    QTest::mouseClick(p.List()->viewport(), Qt::LeftButton, Qt::ControlModifier, p.CentreOf(0));
    EXPECT_EQ(p.Selected(), QStringLiteral("A"));
}

TEST(SelectFont, WithNoFacesOkIsHarmless) {
    UseFaces({});
    std::vector<QString> added;
    Picker p(added);
    EXPECT_EQ(p.List()->count(), 0);
    EXPECT_TRUE(p.Preview()->Caption().isEmpty());
    EXPECT_FALSE(p.Button("cmdOK")->isEnabled());
    p.Key(Qt::Key_Return);
    QTest::mouseClick(p.List()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    QTest::mouseDClick(p.List()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_TRUE(added.empty());
    EXPECT_TRUE(p.dialog.isVisible());
    p.Key(Qt::Key_Escape);
    EXPECT_FALSE(p.dialog.isVisible());
}
