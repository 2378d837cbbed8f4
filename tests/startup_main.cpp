#include <gtest/gtest.h>

#include <cstdlib>

// Unlike the other test programs, this one makes no QApplication: the program's start-up makes
// its own, as it does outside the tests.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("LC_ALL", "en_US.UTF-8", 1);
  setenv("TZ", "UTC", 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
