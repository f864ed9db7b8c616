// The Qt tests share one application object, offscreen.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include "tests/qt/window_fixture.h"

namespace vr::qt::test {

void WindowTest::runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, [&loop] { loop.quit(); });
    loop.exec();
}

}  // namespace vr::qt::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no window system.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    vr::qt::PrepareApplication();
    return RUN_ALL_TESTS();
}
