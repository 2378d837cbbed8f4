#pragma once

#include <gtest/gtest.h>

#include "tests/support/scripted_platform.h"

namespace testsupport {

// A GUI test answers its dialogs from `platform`; when it ends, no window may be left on the
// screen for the next test to trip over.
class GuiTest : public ::testing::Test {
 protected:
  void TearDown() override;

  ScriptedPlatform platform;
};

}  // namespace testsupport
