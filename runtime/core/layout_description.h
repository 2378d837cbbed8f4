#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "runtime/core/string.h"

namespace rt {

// A layout description is the byte string of design-time values from which a window or a
// control is built: entries one after another, with no count, separator or terminator. An entry
// is the property's name in ASCII, one space, and the value in the byte form of its type:
//   Boolean                 1 byte, 0 or 1
//   Integer (enumerations)  8 bytes, little-endian, signed
//   FontUnit                1 byte
//   FontSize                4-byte IEEE single, little-endian
//   LineMeasure             8-byte IEEE double, little-endian
//   Colour                  4 bytes, as stored
//   Text                    4-byte little-endian byte count, then that many UTF-8 bytes
// A property's type follows from its name.

struct Colour {
  std::array<std::uint8_t, 4> bytes{};
  friend bool operator==(const Colour&, const Colour&) = default;
};

struct FontUnit {
  std::uint8_t value = 0;
  friend bool operator==(const FontUnit&, const FontUnit&) = default;
};

using PropertyValue = std::variant<bool, std::int64_t, FontUnit, float, double, Colour, String>;

struct Property {
  std::string name;
  PropertyValue value;
  friend bool operator==(const Property&, const Property&) = default;
};

enum class PropertyType { Boolean, Integer, FontUnit, FontSize, LineMeasure, Colour, Text };

// The type of a known property name; false when the name is unknown.
bool PropertyTypeOf(std::string_view name, PropertyType& type);

// The bytes of a description, in the order given. Raises UnsupportedFormatException for an
// unknown name or a value whose type does not match its name.
std::string EncodeLayout(const std::vector<Property>& properties);

// The entries of a description, in order. Raises UnsupportedFormatException for bytes that do
// not form whole entries of known names; never reads past the end of `bytes`.
std::vector<Property> DecodeLayout(std::string_view bytes);

}  // namespace rt
