#pragma once

#include <QFont>

#include "runtime/core/string.h"

namespace rt {

// `current` with the face that a layout's FontName stands for: "System" is the platform's user
// interface face, "Courier" any fixed-pitch face (the reports are laid out in columns), any other
// name that family. Size and style stay as they were.
QFont FontNamed(const String& name, const QFont& current);

}  // namespace rt
