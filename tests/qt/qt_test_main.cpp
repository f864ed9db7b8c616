// The Qt tests share one application object, offscreen.
#include <QApplication>

#include <gtest/gtest.h>

#include "qt/game_window.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();  // listing needs no window system
    const auto app = vr::qt::StartApplication(argv[0]);
    return RUN_ALL_TESTS();
}
