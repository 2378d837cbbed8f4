#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>
#include <unistd.h>

namespace testsupport {

// Root reads every file whatever its permissions. While this lives, a process that runs as root
// acts as the user and group "nobody", so a file's permissions refuse it as they refuse any
// ordinary user; a process that is not root stays as it is.
class OrdinaryUser {
 public:
  OrdinaryUser() : wasRoot_(::geteuid() == 0) {
    if (!wasRoot_) return;
    // The group first: once the user is nobody, the group can no longer be changed.
    EXPECT_EQ(::setegid(kNobodyGroup), 0);
    EXPECT_EQ(::seteuid(kNobody), 0);
  }
  ~OrdinaryUser() {
    if (!wasRoot_) return;
    EXPECT_EQ(::seteuid(0), 0);
    EXPECT_EQ(::setegid(0), 0);
  }
  OrdinaryUser(const OrdinaryUser&) = delete;
  OrdinaryUser& operator=(const OrdinaryUser&) = delete;

 private:
  static constexpr uid_t kNobody = 65534;
  static constexpr gid_t kNobodyGroup = 65534;

  bool wasRoot_;
};

}  // namespace testsupport
