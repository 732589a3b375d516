// SPDX-License-Identifier: GPL-3.0-or-later
// Pick from Screen through the desktop portal, against a stand-in portal on the
// test's own session bus (run under dbus-run-session). The user clicks a swatch
// while the portal works: the window stays theirs, and only the portal's colour
// replaces the one they chose.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>

#include "app/PickFromScreen.h"
#include "style/ColorValue.h"
#include "tests/widgets/ErrorLog.h"
#include "tests/widgets/app/MainWindowFixture.h"

namespace {

const QString kNoAnswer =
    "The desktop portal did not answer, so no color can "
    "be picked from the screen.";
const QString kNoColor = "The desktop portal could not pick a color.";

struct PortalCase {
    const char* name;
    // How the stand-in answers; none runs when empty.
    QStringList standIn;
    // The bars at the end: the portal's colour, or the swatch clicked meanwhile.
    std::array<int, 3> bars;
    QString error;
};

constexpr std::array<int, 3> kRed{0xFF, 0x00, 0x00};

void PrintTo(const PortalCase& row, std::ostream* out) { *out << row.name; }

const PortalCase kPortalCases[] = {
    {"Picked", {"color", "0.2", "0.6", "0.9"}, {51, 153, 230}, {}},
    {"OldPortalPath", {"ownpath", "1", "0", "0.5"}, {255, 0, 128}, {}},
    {"Cancelled", {"cancel"}, kRed, {}},
    {"Failed", {"failed"}, kRed, kNoColor},
    {"Refused", {"refuse"}, kRed, kNoColor + " Screen reading is not allowed"},
    {"Absent", {}, kRed, kNoAnswer},
    {"NeverAnswers", {"silent"}, kRed, kNoAnswer},
};

class ColorPortalTest : public MainWindowTest, public ::testing::WithParamInterface<PortalCase> {
protected:
    void TearDown() override {
        if (standIn.state() != QProcess::NotRunning) {
            standIn.kill();
            standIn.waitForFinished();
        }
        MainWindowTest::TearDown();
    }

    void StartStandIn(const QStringList& arguments) {
        standIn.start("/usr/bin/python3", QStringList{PORTAL_STAND_IN} + arguments);
        ASSERT_TRUE(QTest::qWaitFor(
            [] {
                return QDBusConnection::sessionBus().interface()->isServiceRegistered(
                    "org.freedesktop.portal.Desktop");
            },
            10000))
            << standIn.readAllStandardError().toStdString();
    }

    QProcess standIn;
};

TEST_P(ColorPortalTest, SetsTheFontColorOrSaysWhyNot) {
    const PortalCase& row = GetParam();
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    if (!row.standIn.isEmpty()) StartStandIn(row.standIn);
    PickFromScreen(*window, TPickRoute::Portal);
    ClickSwatch("Red");
    ASSERT_EQ(Bars(), kRed);
    QStringList errors;
    const auto settled = [&] {
        errors += TakeErrors();
        return !errors.isEmpty() || Bars() != kRed;
    };
    // A cancel shows nothing at all; give the stand-in's answer time to come. A
    // portal that never answers is given up after five seconds.
    const bool endsInSight = row.bars != kRed || !row.error.isEmpty();
    EXPECT_EQ(QTest::qWaitFor(settled, endsInSight ? 8000 : 1000), endsInSight);
    QTest::qWait(200);
    errors += TakeErrors();

    EXPECT_EQ(Bars(), row.bars);
    EXPECT_EQ(errors, row.error.isEmpty() ? QStringList() : QStringList{row.error});
    const std::string color = colorvalue::TagFormFromChannels(row.bars[0], row.bars[1], row.bars[2]);
    EXPECT_NE(Tag().find("COLOR=\"#" + color + "\""), std::string::npos) << Tag();
}

INSTANTIATE_TEST_SUITE_P(Portal, ColorPortalTest, ::testing::ValuesIn(kPortalCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
