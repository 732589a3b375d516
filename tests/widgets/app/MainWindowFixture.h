// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/main.h"
#include "platform/Application.h"
#include "platform/Faces.h"
#include "platform/Paths.h"
#include "tests/widgets/FixedFaces.h"

// A main window started as the program starts it, in a program folder of its own, with a
// fixed list of installed faces.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform::SetProgramDirForTests(folder.path().toStdString() + "/");
        platform::SetFaceSource(std::make_unique<FixedFaces>(
            std::vector<std::string>{"Verdana", "Comic Sans MS", "Abadi", "Sans Serif", "Times New Roman",
                                     "Arial [Monotype]", "Arial", "Monospace", "Serif"}));
        window = std::make_unique<TfrmMain>();
        // A close that cannot write is reported as the event loop reports errors, and the
        // window stays; the question itself is tested on its own.
        window->AskToCloseAnyway = [](const std::string& message) {
            platform::TApplication::ShowError(QString::fromStdString(message));
            return false;
        };
        window->FormCreate();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override {
        window.reset();
        platform::SetProgramDirForTests("");
    }

    std::string Tag() const { return window->MemoTag->toPlainText().toStdString(); }
    TColorPanel& Panel() const { return *window->colorPanel; }
    TFontPanel& Font() const { return *window->fontPanel; }
    void ShowBodyPage() const { window->PC1->setCurrentWidget(window->TabSheetBody); }
    // Clicks the widget that lies at the point of the parent, as the mouse would.
    static void ClickAt(QWidget* parent, QPoint point) {
        QWidget* target = parent->childAt(point);
        if (target == nullptr) target = parent;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(parent, point));
    }
    void ClickSwatch(const char* name) const {
        auto* hotspot = window->findChild<controls::THotspot*>(QString("Hotspot") + name);
        ASSERT_NE(hotspot, nullptr) << name;
        QTest::mouseClick(hotspot, Qt::LeftButton, {}, QPoint(8, 8));
    }
    std::array<int, 3> Bars() const {
        return {Panel().SlideBarRed->Position(), Panel().SlideBarGreen->Position(),
                Panel().SlideBarBlue->Position()};
    }
    QStringList Fields() const {
        return {Panel().TxtRed->text(), Panel().TxtGreen->text(), Panel().TxtBlue->text()};
    }

    QTemporaryDir folder;
    std::unique_ptr<TfrmMain> window;
};
