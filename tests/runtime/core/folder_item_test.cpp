#include "runtime/core/folder_item.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "runtime/core/text_input_stream.h"
#include "tests/support/permission_checks.h"
#include "tests/support/temporary_folder.h"

namespace rt {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Each test gets a folder of its own, removed with everything in it afterwards.
class FolderItemTest : public testing::Test {
 protected:
  testsupport::TemporaryFolder temporary_;
  const fs::path& folder_ = temporary_.Path();
};

struct Refusal {
  const char* name;
  fs::path (*make)(const fs::path& folder);
  int errorCode;
  const char* message;
  bool byPermissions;  // refused by the file's permissions, which root overrides
};

void PrintTo(const Refusal& row, std::ostream* out) {
  *out << row.name;
}

const Refusal kRefusals[] = {
    {"MissingFile", [](const fs::path& folder) { return folder / "absent.txt"; }, ENOENT,
     "No such file or directory", false},
    {"Folder",
     [](const fs::path& folder) {
       fs::create_directory(folder / "data");
       return folder / "data";
     },
     EISDIR, "It is a folder, not a file", false},
    {"FileWithoutReadPermission",
     [](const fs::path& folder) {
       WriteFile(folder / "locked.txt", "1\t2\n");
       fs::permissions(folder / "locked.txt", fs::perms::none);
       return folder / "locked.txt";
     },
     EACCES, "Permission denied", true},
    // Opening a FIFO for reading waits for a writer: a refusal here also shows that none blocks.
    {"Fifo",
     [](const fs::path& folder) {
       if (::mkfifo((folder / "pipe").c_str(), 0600) != 0) throw std::runtime_error("no FIFO");
       return folder / "pipe";
     },
     EINVAL, "It is not a regular file", false},
    {"Device", [](const fs::path&) { return fs::path("/dev/zero"); }, EINVAL,
     "It is not a regular file", false},
};

class FolderItemRefusal : public FolderItemTest, public testing::WithParamInterface<Refusal> {};

TEST_P(FolderItemRefusal, GivesNoStreamAndSaysWhy) {
  const Refusal& row = GetParam();
  FolderItem item(row.make(folder_));
  std::optional<testsupport::PermissionChecksApply> checks;
  if (row.byPermissions) {
    WriteFile(folder_ / "readable.txt", "1\n");
    fs::permissions(folder_ / "readable.txt", fs::perms::owner_read);
    checks.emplace();
    ASSERT_NE(FolderItem(folder_ / "readable.txt").OpenAsTextFile(), nullptr)
        << "the refusal must come from the file's own permissions, not from the folder's";
  }
  EXPECT_EQ(item.OpenAsTextFile(), nullptr);
  EXPECT_EQ(item.LastErrorCode(), row.errorCode);
  EXPECT_EQ(item.LastErrorMessage(), String(row.message));
}

INSTANTIATE_TEST_SUITE_P(, FolderItemRefusal, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<Refusal>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(FolderItemTest, OpensAFileForReadingAndClearsTheLastError) {
  FolderItem item(folder_ / "counts.txt");
  ASSERT_EQ(item.OpenAsTextFile(), nullptr);
  WriteFile(folder_ / "counts.txt", "1\t2\r\n3\t4\r\n");
  const auto stream = item.OpenAsTextFile();
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(item.LastErrorCode(), 0);
  EXPECT_EQ(item.LastErrorMessage(), String(""));
  EXPECT_EQ(stream->ReadLine(), String("1\t2"));
  EXPECT_EQ(stream->ReadLine(), String("3\t4"));
  EXPECT_TRUE(stream->Eof());
}

TEST(FolderItem, NativePathIsThePathAsText) {
  const FolderItem item(fs::path(u8"/home/ana/Auswertung/Grüße.txt"));
  EXPECT_EQ(item.NativePath(), String("/home/ana/Auswertung/Grüße.txt"));
  EXPECT_EQ(item.NativePath().Length(), 30);
}

}  // namespace
}  // namespace rt
