// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/SysColors.h"
#include "tests/widgets/ErrorLog.h"

namespace {

QStringList& Errors() {
    static QStringList errors;
    return errors;
}

}  // namespace

QStringList TakeErrors() {
    QStringList taken;
    taken.swap(Errors());
    return taken;
}

void RecordErrors() {
    platform::TApplication::SetErrorSink([](const QString& message) { Errors().append(message); });
}

class LeftoverErrorListener : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& info) override {
        const QStringList left = TakeErrors();
        if (!left.isEmpty()) {
            ADD_FAILURE_AT(info.file(), info.line())
                << "error box shown during the test: " << left.join(" | ").toStdString();
        }
    }
};

// Widget tests run in one application object on the offscreen platform, with the classic
// palette pinned so that pixel checks do not depend on the desktop's theme.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    platform::TApplication app(argc, argv);
    QApplication::setApplicationName("Velloran");
    QApplication::setPalette(platform::ClassicPalette());
    RecordErrors();
    ::testing::UnitTest::GetInstance()->listeners().Append(new LeftoverErrorListener);
    return RUN_ALL_TESTS();
}
