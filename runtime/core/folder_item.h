#pragma once

#include <filesystem>
#include <memory>

#include "runtime/core/string.h"

namespace rt {

class TextInputStream;

// A file chosen by the user.
class FolderItem {
 public:
  explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& Path() const { return path_; }
  String NativePath() const;  // the full path, as the user would type it

  // A stream over the file's lines, or nullptr when it cannot be opened as text (it does not
  // exist, is a folder, may not be read, ...); LastErrorMessage then says why.
  std::unique_ptr<TextInputStream> OpenAsTextFile();

  int LastErrorCode() const { return lastErrorCode_; }  // errno of the last failure, 0 if none
  String LastErrorMessage() const;                      // that failure in words, for the user

 private:
  std::filesystem::path path_;
  int lastErrorCode_ = 0;
  String lastErrorMessage_;
};

}  // namespace rt
