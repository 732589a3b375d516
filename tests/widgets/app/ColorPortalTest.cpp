// Pick from Screen through the desktop portal, against a stand-in portal on the test's own
// session bus (run under dbus-run-session).
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>

#include "app/PickFromScreen.h"
#include "style/ColorValue.h"
#include "tests/widgets/ErrorLog.h"
#include "tests/widgets/app/MainWindowFixture.h"

namespace {

const QString kNoAnswer = "The desktop portal did not answer, so no color can be picked from the screen.";
const QString kNoColor = "The desktop portal could not pick a color.";

struct PortalCase {
    const char* name;
    // How the stand-in answers; none runs when empty.
    QStringList standIn;
    // The bars after the pick: the portal's colour, or the bars as they were.
    std::array<int, 3> bars;
    QString error;
};

// The font colour before any pick.
constexpr std::array<int, 3> kYellow{0xFF, 0xFF, 0x00};

void PrintTo(const PortalCase& row, std::ostream* out) { *out << row.name; }

const PortalCase kPortalCases[] = {
    {"Picked", {"color", "0.2", "0.6", "0.9"}, {51, 153, 230}, {}},
    {"OldPortalPath", {"ownpath", "1", "0", "0.5"}, {255, 0, 128}, {}},
    {"Cancelled", {"cancel"}, kYellow, {}},
    {"Failed", {"failed"}, kYellow, kNoColor},
    {"Refused", {"refuse"}, kYellow, kNoColor + " Screen reading is not allowed"},
    {"Absent", {}, kYellow, kNoAnswer},
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
    ASSERT_EQ(Bars(), kYellow);

    PickFromScreen(*window, TPickRoute::Portal);
    QStringList errors;
    const auto settled = [&] {
        errors += TakeErrors();
        return !errors.isEmpty() || Bars() != kYellow;
    };
    // A cancel shows nothing at all; give the stand-in's answer time to come.
    const bool endsInSight = row.bars != kYellow || !row.error.isEmpty();
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

// A portal that takes the call and never answers: the window stays in the user's hands, and
// after a few seconds a message says what happened, with the colour as the user left it.
TEST_F(ColorPortalTest, NeverAnsweringPortalTimesOutWhileTheWindowStaysUsable) {
    StartStandIn({"silent"});
    PickFromScreen(*window, TPickRoute::Portal);
    ClickSwatch("Red");
    EXPECT_EQ(Bars(), (std::array<int, 3>{0xFF, 0, 0}));

    QStringList errors;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            errors += TakeErrors();
            return !errors.isEmpty();
        },
        8000));
    EXPECT_EQ(errors, QStringList{kNoAnswer});
    EXPECT_EQ(Bars(), (std::array<int, 3>{0xFF, 0, 0}));
}

}  // namespace
