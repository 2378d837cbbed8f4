#include "runtime/gui/open_file_dialog.h"

#include "runtime/core/file_type.h"
#include "runtime/gui/platform.h"

namespace rt {

std::unique_ptr<FolderItem> GetOpenFolderItem(const String& fileTypeName) {
  const FileType* type = FindRegisteredFileType(fileTypeName);
  std::optional<std::filesystem::path> chosen = CurrentPlatform().ChooseFileToOpen(type);
  if (!chosen) return nullptr;
  return std::make_unique<FolderItem>(std::move(*chosen));
}

}  // namespace rt
