// The tests take their locale from the environment, as a program would, so that
// a run under LC_ALL=de_DE.UTF-8 checks every number text under a comma locale.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
