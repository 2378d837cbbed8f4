#pragma once

#include "runtime/core/string.h"

namespace rt {

// Three-way comparison of two texts in plain character-code order: negative, 0 or positive.
inline int RuntimeStringCompare(const String& a, const String& b) {
  const auto order = a <=> b;
  if (order < 0) return -1;
  if (order > 0) return 1;
  return 0;
}

}  // namespace rt
