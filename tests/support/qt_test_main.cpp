// The front-end tests need one application object for all of them; without a display
// they run on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/test_fonts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    useTheTestFonts();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
