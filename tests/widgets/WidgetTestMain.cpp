#include <QApplication>
#include <gtest/gtest.h>

#include "platform/SysColors.h"

// Widget tests run in one QApplication on the offscreen platform, with the classic palette
// pinned so that pixel checks do not depend on the desktop's theme.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setPalette(platform::ClassicPalette());
    return RUN_ALL_TESTS();
}
