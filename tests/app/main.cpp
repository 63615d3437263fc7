// The settings tests drive real windows on the offscreen platform, in the program's own
// application object: its title, font and error handling.

#include "app/LumetraApplication.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    lumetra::LumetraApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
