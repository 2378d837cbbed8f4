#pragma once

#include <memory>

#include "runtime/core/folder_item.h"
#include "runtime/core/string.h"

namespace rt {

// The open-file dialog filtered to the registered file type of that name (all files when no
// type of that name is registered); the chosen file, or nullptr when the user cancels.
std::unique_ptr<FolderItem> GetOpenFolderItem(const String& fileTypeName);

}  // namespace rt
