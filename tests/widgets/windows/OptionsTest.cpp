// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "platform/IniFile.h"
#include "tests/widgets/ErrorLog.h"
#include "windows/options.h"

using windows::TfrmOptions;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A program folder with a settings file holding `content` (none when nullopt), and an Options
// dialog opened over it.
class OptionsDialog {
public:
    explicit OptionsDialog(std::optional<std::string> content) {
        path = (folder_.path() + QStringLiteral("/vlr.ini")).toStdString();
        if (content) std::ofstream(path, std::ios::binary) << *content;
        Open();
    }

    void Open() {
        dialog = std::make_unique<TfrmOptions>(path);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QRadioButton* Item(int index) {
        return dialog->findChild<QRadioButton*>(QStringLiteral("RGSave%1").arg(index));
    }
    QPushButton* Button(const char* name) { return dialog->findChild<QPushButton*>(name); }
    int Selected() {
        for (int i = 0; i < 3; ++i) {
            if (Item(i)->isChecked()) return i;
        }
        return -1;
    }
    std::string Contents() const { return ReadFile(path); }
    int StoredSave() const { return platform::TIniFile(path).ReadInteger("Options", "save", -1); }

    std::string path;
    std::unique_ptr<TfrmOptions> dialog;

private:
    QTemporaryDir folder_;
};

}  // namespace

TEST(Options, FrameAndControlsAreLaidOutAsDesigned) {
    OptionsDialog d(std::nullopt);
    TfrmOptions& dialog = *d.dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(dialog.size(), QSize(206, 156));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((dialog.geometry().center() - screen.center()).manhattanLength(), 2)
        << "at " << dialog.geometry().x() << "," << dialog.geometry().y();
    EXPECT_EQ(dialog.font().pixelSize(), 11);

    auto* group = dialog.findChild<QGroupBox*>(QStringLiteral("RGSave"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("Save Options"));
    EXPECT_EQ(group->geometry(), QRect(24, 8, 155, 95));
    EXPECT_TRUE(group->font().bold());
    EXPECT_EQ(group->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    const QString items[] = {"Save Style on Exit", "Prompt Before Saving", "Do Not Save"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(d.Item(i), nullptr);
        EXPECT_EQ(d.Item(i)->text(), items[i]);
        EXPECT_EQ(d.Item(i)->parentWidget(), group);
        EXPECT_TRUE(group->contentsRect().contains(d.Item(i)->geometry())) << i;
        if (i > 0) {
            EXPECT_GT(d.Item(i)->y(), d.Item(i - 1)->geometry().bottom());
        }
    }

    EXPECT_EQ(d.Button("cmdOK")->geometry(), QRect(24, 118, 75, 25));
    EXPECT_EQ(d.Button("cmdCancel")->geometry(), QRect(104, 118, 75, 25));
    EXPECT_TRUE(d.Button("cmdOK")->isDefault());
    EXPECT_TRUE(d.Button("cmdOK")->font().bold());
    EXPECT_FALSE(d.Button("cmdOK")->icon().isNull());
    EXPECT_FALSE(d.Button("cmdCancel")->icon().isNull());
}

TEST(Options, OpensWithTheStoredPolicyAndItemZeroForAnythingElse) {
    const struct {
        std::optional<std::string> file;
        int item;
    } cases[] = {
        {std::nullopt, 0},          {"[Options]\nsave=0\n", 0},
        {"[Options]\nsave=1\n", 1}, {"[Options]\r\nstartup=/s/a.vls\r\nSAVE = 2\r\n", 2},
        {"[Options]\nsave=3\n", 0}, {"[Options]\nsave=-1\n", 0},
        {"[Options]\nsave=x\n", 0}, {"[Other]\nsave=2\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.value_or("(no file)"));
        OptionsDialog d(c.file);
        EXPECT_EQ(d.Selected(), c.item);
    }
}

TEST(Options, OkWritesTheSelectedItemAndKeepsTheRest) {
    OptionsDialog d("[Options]\nstartup=/s/Blue.vls\nsave=3\n");
    QTest::mouseClick(d.Item(2), Qt::LeftButton);
    QTest::mouseClick(d.Button("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(d.dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(d.dialog->isVisible());
    EXPECT_EQ(d.Contents(), "[Options]\nstartup=/s/Blue.vls\nsave=2\n");
}

TEST(Options, OkWithoutAChangeStoresTheItemShown) {
    OptionsDialog d(std::nullopt);
    QTest::keyClick(d.Button("cmdOK"), Qt::Key_Space);
    EXPECT_EQ(d.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(d.StoredSave(), 0);
}

TEST(Options, EveryOpeningReadsTheFileAfresh) {
    OptionsDialog d("[Options]\nsave=1\n");
    EXPECT_EQ(d.Selected(), 1);
    QTest::mouseClick(d.Item(2), Qt::LeftButton);
    QTest::mouseClick(d.Button("cmdOK"), Qt::LeftButton);
    d.Open();
    EXPECT_EQ(d.Selected(), 2);
    std::ofstream(d.path, std::ios::binary) << "[Options]\nsave=1\n";
    d.Open();
    EXPECT_EQ(d.Selected(), 1);
}

TEST(Options, CancelAndEscapeWriteNothingAfterAChangedSelection) {
    const std::string content = "[Options]\nsave=1\n";
    const struct {
        const char* how;
        Qt::KeyboardModifiers modifiers;
        bool onItem;  // Escape pressed with a radio button focused, else with Cancel focused
    } cases[] = {
        {"Cancel", Qt::NoModifier, false},   {"Escape", Qt::NoModifier, true},
        {"Escape", Qt::ShiftModifier, true}, {"Escape", Qt::ControlModifier, false},
        {"Escape", Qt::AltModifier, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " modifiers " + std::to_string(c.modifiers.toInt()));
        OptionsDialog d(content);
        QTest::mouseClick(d.Item(0), Qt::LeftButton);
        ASSERT_EQ(d.Selected(), 0);
        if (std::string(c.how) == "Cancel") {
            QTest::mouseClick(d.Button("cmdCancel"), Qt::LeftButton);
        } else {
            QWidget* focus = c.onItem ? static_cast<QWidget*>(d.Item(0)) : d.Button("cmdCancel");
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Escape, c.modifiers);
        }
        EXPECT_EQ(d.dialog->result(), QDialog::Rejected);
        EXPECT_FALSE(d.dialog->isVisible());
        EXPECT_EQ(d.Contents(), content);
    }
}

TEST(Options, FailedWriteIsShownAndTheDialogClosesAsWithOk) {
    const std::string content = "[Options]\nsave=1\n";
    OptionsDialog d(content);
    ASSERT_EQ(::chmod(d.path.c_str(), 0444), 0);
    QTest::mouseClick(d.Item(2), Qt::LeftButton);
    QTest::mouseClick(d.Button("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(TakeErrors(),
              QStringList{QString::fromStdString("Unable to write to " + d.path + "\nPermission denied")});
    EXPECT_EQ(d.dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(d.dialog->isVisible());
    EXPECT_EQ(d.Contents(), content);
}
