#include "runtime/core/folder_item.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
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
using testsupport::TemporaryFolder;

// Each test gets a folder of its own, removed with everything in it afterwards.
class FolderItemTest : public testing::Test {
 protected:
  TemporaryFolder folder_;
};

struct Refusal {
  const char* name;
  fs::path (*make)(const TemporaryFolder& folder);
  int errorCode;
  const char* message;
  bool byPermissions;  // refused by the file's permissions, which root overrides
};

void PrintTo(const Refusal& row, std::ostream* out) {
  *out << row.name;
}

const Refusal kRefusals[] = {
    {"MissingFile", [](const TemporaryFolder& folder) { return folder / "absent.txt"; }, ENOENT,
     "No such file or directory", false},
    {"Folder",
     [](const TemporaryFolder& folder) {
       fs::create_directory(folder / "data");
       return folder / "data";
     },
     EISDIR, "It is a folder, not a file", false},
    {"FileWithoutReadPermission",
     [](const TemporaryFolder& folder) {
       const fs::path locked = folder.Write("locked.txt", "1\t2\n");
       fs::permissions(locked, fs::perms::none);
       return locked;
     },
     EACCES, "Permission denied", true},
    // Opening a FIFO for reading waits for a writer: a refusal here also shows that none blocks.
    {"Fifo",
     [](const TemporaryFolder& folder) {
       if (::mkfifo((folder / "pipe").c_str(), 0600) != 0) throw std::runtime_error("no FIFO");
       return folder / "pipe";
     },
     EINVAL, "It is not a regular file", false},
    {"Device", [](const TemporaryFolder&) { return fs::path("/dev/zero"); }, EINVAL,
     "It is not a regular file", false},
};

class FolderItemRefusal : public FolderItemTest, public testing::WithParamInterface<Refusal> {};

TEST_P(FolderItemRefusal, GivesNoStreamAndSaysWhy) {
  const Refusal& row = GetParam();
  FolderItem item(row.make(folder_));
  std::optional<testsupport::PermissionChecksApply> checks;
  if (row.byPermissions) {
    const fs::path readable = folder_.Write("readable.txt", "1\n");
    fs::permissions(readable, fs::perms::owner_read);
    checks.emplace();
    ASSERT_NE(FolderItem(readable).OpenAsTextFile(), nullptr)
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
  folder_.Write("counts.txt", "1\t2\r\n3\t4\r\n");
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
