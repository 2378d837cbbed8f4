#include "runtime/gui/open_file_dialog.h"

#include <gtest/gtest.h>

#include "runtime/core/file_type.h"
#include "tests/support/gui_test.h"

namespace {

using OpenFileDialogTest = testsupport::GuiTest;

// Registered types are kept by address for the rest of the run, as the program's own are.
const rt::FileType& RegisteredType(const char* name) {
  static std::vector<std::unique_ptr<rt::FileType>> types;
  auto& type = types.emplace_back(std::make_unique<rt::FileType>());
  type->SetName(name);
  type->Register();
  return *type;
}

TEST_F(OpenFileDialogTest, ReturnsTheChosenFileFromTheDialogFilteredToTheNamedType) {
  RegisteredType("open-file test data");
  platform.AnswerOpenFile("/data/ratings.txt");
  const std::unique_ptr<rt::FolderItem> item = rt::GetOpenFolderItem("open-file test data");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Path(), std::filesystem::path("/data/ratings.txt"));
  EXPECT_EQ(platform.OpenFileTypes(),
            (std::vector<std::optional<std::string>>{"open-file test data"}));
}

TEST_F(OpenFileDialogTest, CancelGivesNoFile) {
  RegisteredType("open-file test data");
  platform.CancelOpenFile();
  EXPECT_EQ(rt::GetOpenFolderItem("open-file test data"), nullptr);
}

TEST_F(OpenFileDialogTest, TypeNotRegisteredShowsAllFiles) {
  platform.CancelOpenFile();
  rt::GetOpenFolderItem("no type of this name");
  EXPECT_EQ(platform.OpenFileTypes(), (std::vector<std::optional<std::string>>{std::nullopt}));
}

}  // namespace
