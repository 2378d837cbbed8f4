#include "runtime/gui/layout_values.h"

#include <string>
#include <variant>

#include "runtime/core/exceptions.h"

namespace rt {

namespace {

template <class T>
const T& ValueOf(const Property& property) {
  if (const T* value = std::get_if<T>(&property.value)) return *value;
  throw UnsupportedFormatException("Layout property " + property.name +
                                   " holds a value of another type");
}

}  // namespace

bool BooleanValue(const Property& property) {
  return ValueOf<bool>(property);
}

std::int64_t IntegerValue(const Property& property) {
  return ValueOf<std::int64_t>(property);
}

double FontSizeValue(const Property& property) {
  return ValueOf<float>(property);
}

const String& TextValue(const Property& property) {
  return ValueOf<String>(property);
}

QColor ColourValue(const Property& property) {
  // The four stored bytes are red, green and blue in that order, then one unused byte: the
  // stored "06 01 FB 00" is the blue #0601FB.
  const Colour& colour = ValueOf<Colour>(property);
  return QColor(colour.bytes[0], colour.bytes[1], colour.bytes[2]);
}

Qt::Alignment AlignmentFromLayout(std::int64_t textAlignment) {
  switch (textAlignment) {
    case 2:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case 3:
      return Qt::AlignRight | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

}  // namespace rt
