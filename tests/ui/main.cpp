#include <gtest/gtest.h>

#include <QApplication>

// The widget tests need one QApplication for the whole run; ctest sets the offscreen
// platform so they run without a display.
int main(int argc, char** argv)
{
    // The build lists the tests by running this program, without ctest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
