#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace testsupport {

// A folder of the test's own in the temporary folder, under a name no other run can take, and
// removed with everything in it when the test ends: runs of the suite at the same time never
// share a file.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quorvane-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("no temporary folder could be made from " + pattern);
    }
    path_ = pattern;
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

  // Writes `bytes` as they are to the file `name` in the folder; its path.
  std::filesystem::path Write(const std::filesystem::path& name, std::string_view bytes) const {
    const std::filesystem::path path = path_ / name;
    std::ofstream file(path, std::ios::binary);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
      throw std::runtime_error("could not write " + path.string());
    }
    return path;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace testsupport
