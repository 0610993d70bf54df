// The main of every test program. Window tests need no display: without one
// the offscreen platform of Qt serves, also when ctest lists the tests at
// build time.
#include <gtest/gtest.h>

#ifdef ZEK_WIDGET_TESTS
#include <QApplication>
using Application = QApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
