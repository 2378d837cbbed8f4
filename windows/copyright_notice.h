#pragma once

#include "runtime/core/string.h"
#include "windows/version.h"

// The one-line notice that the splash window shows and the help window carries: the program's
// long version, which its version resource holds too.
inline rt::String CopyrightNotice() {
  return rt::String(quorvane::kLongVersion);
}
