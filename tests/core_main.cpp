#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // Dates and decimals in the report follow the locale: pin it so results do not depend on the
  // machine running the tests.
  setenv("LC_ALL", "en_US.UTF-8", 1);
  setenv("TZ", "UTC", 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
