#pragma once

#include <string_view>

#include "runtime/core/layout_description.h"

namespace rt {

// For a property that a window or control does not honour: returns quietly when it is one of the
// ignored ones, and otherwise raises UnsupportedFormatException ("TextField has no property X"),
// so that a misspelt entry in a layout table fails loudly.
void SkipUnhonouredProperty(std::string_view className, const Property& property);

}  // namespace rt
