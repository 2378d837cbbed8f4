#pragma once

#include <QColor>
#include <cstdint>

#include "runtime/core/layout_description.h"

namespace rt {

// The values of layout entries; the entry's type follows from its name, so a mismatch here is a
// fault in the description table and raises UnsupportedFormatException.
bool BooleanValue(const Property& property);
std::int64_t IntegerValue(const Property& property);
double FontSizeValue(const Property& property);
const String& TextValue(const Property& property);
QColor ColourValue(const Property& property);

// TextAlignment: 0 the default (left), 1 left, 2 centre, 3 right; vertically centred.
Qt::Alignment AlignmentFromLayout(std::int64_t textAlignment);

}  // namespace rt
