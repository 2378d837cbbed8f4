#pragma once

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

// Root reads every file whatever its permissions say. While this lives, the calling thread works
// without the two capabilities that let it (overriding permissions and reading any file), so a
// file's permissions refuse root, as the owner of the test's files, just as they refuse any
// owner. The user stays the same: the folders on the way to the file, whatever the umask or the
// temporary folder made them, still let the owner through. Without those capabilities (any
// ordinary user) nothing changes.
class PermissionChecksApply {
 public:
  PermissionChecksApply() {
    EXPECT_EQ(Capabilities(&saved_, nullptr), 0);
    __user_cap_data_struct lowered[kWords] = {saved_[0], saved_[1]};
    lowered[0].effective &= ~(Bit(CAP_DAC_OVERRIDE) | Bit(CAP_DAC_READ_SEARCH));
    EXPECT_EQ(Capabilities(nullptr, &lowered), 0);
  }
  ~PermissionChecksApply() { EXPECT_EQ(Capabilities(nullptr, &saved_), 0); }
  PermissionChecksApply(const PermissionChecksApply&) = delete;
  PermissionChecksApply& operator=(const PermissionChecksApply&) = delete;

 private:
  static constexpr int kWords = _LINUX_CAPABILITY_U32S_3;
  using Data = __user_cap_data_struct[kWords];

  static unsigned Bit(int capability) { return 1u << capability; }

  // Reads the thread's capabilities into `read`, or sets them from `write`.
  static long Capabilities(Data* read, const Data* write) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    if (read) return ::syscall(SYS_capget, &header, *read);
    return ::syscall(SYS_capset, &header, *write);
  }

  Data saved_{};
};

}  // namespace testsupport
