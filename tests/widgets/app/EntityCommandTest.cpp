// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "tests/widgets/app/MainWindowFixture.h"
#include "windows/EntityWindow.h"

namespace {

QList<windows::TfrmSpecial*> SpecialWindows(const TfrmMain& main) {
    return main.findChildren<windows::TfrmSpecial*>(QString(), Qt::FindDirectChildrenOnly);
}

TEST_F(MainWindowTest, SpecialOpensOneWindowAtTheMainWindowsCorner) {
    ASSERT_TRUE(window->cmdSpecial->isEnabled());
    window->cmdSpecial->click();
    ASSERT_EQ(SpecialWindows(*window).size(), 1);
    windows::TfrmSpecial* special = SpecialWindows(*window).front();
    EXPECT_TRUE(window->SpecialOpen);
    EXPECT_EQ(special->pos(), window->frameGeometry().topLeft() + QPoint(5, 5));
    special->move(special->pos() + QPoint(40, 0));
    const QPoint moved = special->pos();

    window->cmdSpecial->click();
    EXPECT_EQ(SpecialWindows(*window).size(), 1);
    EXPECT_EQ(special->pos(), moved);

    special->cmdHide->click();
    EXPECT_FALSE(window->SpecialOpen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(SpecialWindows(*window).isEmpty());
    window->cmdSpecial->click();
    EXPECT_EQ(SpecialWindows(*window).size(), 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
