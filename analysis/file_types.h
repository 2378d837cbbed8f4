#pragma once

#include <memory>
#include <vector>

#include "runtime/core/file_type.h"

// The program's set of file types: the one type "text" of its data files.
class FileTypes1 {
 public:
  static constexpr const char* kTextName = "text";
  static void Initialize();  // once at start-up: makes and registers the type "text"
  static rt::FileType* Text() { return pText.get(); }

  static std::vector<rt::FileType*> pAllFileTypes;
  static std::unique_ptr<rt::FileType> pText;
};
