#include "runtime/core/folder_item.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "runtime/core/text_input_stream.h"

namespace rt {
namespace {

// Only a regular file is read as text: a FIFO or a device could keep the reader waiting forever,
// or never come to an end.
constexpr int kNotARegularFile = EINVAL;

// Why a file of this kind is not read, or nullptr when it may be.
const char* RefusalOf(const struct stat& status) {
  if (S_ISDIR(status.st_mode)) return "It is a folder, not a file";
  if (!S_ISREG(status.st_mode)) return "It is not a regular file";
  return nullptr;
}

int ErrorCodeOfRefusal(const struct stat& status) {
  return S_ISDIR(status.st_mode) ? EISDIR : kNotARegularFile;
}

}  // namespace

String FolderItem::NativePath() const {
  const std::u8string utf8 = path_.u8string();
  return String(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

String FolderItem::LastErrorMessage() const {
  return lastErrorMessage_;
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() {
  const auto fail = [this](int errorCode, const char* message) {
    lastErrorCode_ = errorCode;
    lastErrorMessage_ = String(message);
    return std::unique_ptr<TextInputStream>();
  };
  const auto failWithErrno = [&fail](int errorCode) {
    return fail(errorCode, std::strerror(errorCode));
  };

  // Looked at before opening, so that a device is never opened (opening some has side effects).
  struct stat status {};
  if (::stat(path_.c_str(), &status) != 0) return failWithErrno(errno);
  if (const char* refusal = RefusalOf(status)) return fail(ErrorCodeOfRefusal(status), refusal);

  // Non-blocking, and looked at again once open: the path may have become a FIFO since.
  const int descriptor = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return failWithErrno(errno);
  if (::fstat(descriptor, &status) != 0) {
    const int errorCode = errno;
    ::close(descriptor);
    return failWithErrno(errorCode);
  }
  if (const char* refusal = RefusalOf(status)) {
    ::close(descriptor);
    return fail(ErrorCodeOfRefusal(status), refusal);
  }
  const int flags = ::fcntl(descriptor, F_GETFL);
  if (flags >= 0) ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK);

  std::FILE* file = ::fdopen(descriptor, "rb");
  if (!file) {
    const int errorCode = errno;
    ::close(descriptor);
    return failWithErrno(errorCode);
  }
  lastErrorCode_ = 0;
  lastErrorMessage_ = String();
  return std::make_unique<TextInputStream>(file);
}

}  // namespace rt
