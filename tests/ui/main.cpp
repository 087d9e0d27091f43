#include <gtest/gtest.h>

#include <QApplication>

// The widget tests need one QApplication for the whole run; ctest sets the offscreen
// platform so they run without a display.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
