// main() for the test programs that need a Qt application object: signals
// between threads, event loops, widgets.
#include <QtGlobal>
#ifdef WALL_TEST_WIDGETS
#include <QApplication>
using TestApp = QApplication;
#else
#include <QCoreApplication>
using TestApp = QCoreApplication;
#endif

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Windows are tested offscreen unless a platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TestApp app(argc, argv);
    return RUN_ALL_TESTS();
}
