#include "runtime/core/file_type.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace rt {
namespace {

TEST(FileType, IsFoundByNameOnlyWhileRegistered) {
  std::optional<FileType> type(std::in_place);
  type->SetName("tab-separated counts");
  EXPECT_EQ(FindRegisteredFileType("tab-separated counts"), nullptr);

  EXPECT_EQ(type->OperatorConvert(), String("tab-separated counts"));
  EXPECT_EQ(FindRegisteredFileType("tab-separated counts"), &*type);

  type->SetMimeType("text/plain");
  EXPECT_EQ(FindRegisteredFileType("tab-separated counts"), nullptr) << "a new value withdraws it";

  type->Register();
  type.reset();
  EXPECT_EQ(FindRegisteredFileType("tab-separated counts"), nullptr) << "a type that goes is gone";
}

// The program's file type lives in a static made before main, so it is destroyed after anything
// made during the run, and withdraws itself on the way out. The sanitizer build catches a
// registry that is gone by then; a fresh process makes the registry after the type.
TEST(FileTypeDeathTest, ATypeThatOutlivesEverythingElseWithdrawsCleanlyAtExit) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        static std::optional<FileType> programType;
        programType.emplace();
        programType->SetName("text");
        programType->Register();
        std::exit(0);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace rt
