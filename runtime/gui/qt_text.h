#pragma once

#include <QString>

#include "runtime/core/string.h"

namespace rt {

// Characters cross between the runtime's text and Qt's UTF-16 strings unchanged: a character
// outside the Basic Multilingual Plane is one rt::String character and two QChars.
QString ToQString(const String& text);
String FromQString(const QString& text);

}  // namespace rt
