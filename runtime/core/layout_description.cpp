#include "runtime/core/layout_description.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <limits>
#include <type_traits>

#include "runtime/core/exceptions.h"

namespace rt {
namespace {

struct PropertyName {
  std::string_view name;
  PropertyType type;
};

// Every property that a window, a control or a timer of the program describes. Sorted by name
// (byte order) for the binary search below.
constexpr PropertyName kProperties[] = {
    {"AllowAutoDeactivate", PropertyType::Boolean},
    {"AllowFocus", PropertyType::Boolean},
    {"AllowFocusRing", PropertyType::Boolean},
    {"AllowSpellChecking", PropertyType::Boolean},
    {"AllowStyledText", PropertyType::Boolean},
    {"AllowTabs", PropertyType::Boolean},
    {"BackgroundColor", PropertyType::Colour},
    {"Bold", PropertyType::Boolean},
    {"Cancel", PropertyType::Boolean},
    {"Caption", PropertyType::Text},
    {"Composite", PropertyType::Boolean},
    {"DataField", PropertyType::Text},
    {"DataSource", PropertyType::Text},
    {"Default", PropertyType::Boolean},
    {"DefaultLocation", PropertyType::Integer},
    {"DoubleBuffer", PropertyType::Boolean},
    {"Enabled", PropertyType::Boolean},
    {"FontName", PropertyType::Text},
    {"FontSize", PropertyType::FontSize},
    {"FontUnit", PropertyType::FontUnit},
    {"Format", PropertyType::Text},
    {"FullScreen", PropertyType::Boolean},
    {"HasBackgroundColor", PropertyType::Boolean},
    {"HasBorder", PropertyType::Boolean},
    {"HasCloseButton", PropertyType::Boolean},
    {"HasFullScreenButton", PropertyType::Boolean},
    {"HasHorizontalScrollbar", PropertyType::Boolean},
    {"HasMaximizeButton", PropertyType::Boolean},
    {"HasMinimizeButton", PropertyType::Boolean},
    {"HasVerticalScrollbar", PropertyType::Boolean},
    {"Height", PropertyType::Integer},
    {"HideSelection", PropertyType::Boolean},
    {"Hint", PropertyType::Text},
    {"Index", PropertyType::Integer},
    {"InitialParent", PropertyType::Text},
    {"Italic", PropertyType::Boolean},
    {"Left", PropertyType::Integer},
    {"LineHeight", PropertyType::LineMeasure},
    {"LineSpacing", PropertyType::LineMeasure},
    {"LiveResize", PropertyType::Boolean},
    {"LockBottom", PropertyType::Boolean},
    {"LockLeft", PropertyType::Boolean},
    {"LockRight", PropertyType::Boolean},
    {"LockTop", PropertyType::Boolean},
    {"MacButtonStyle", PropertyType::Integer},
    {"MacProcID", PropertyType::Integer},
    {"MaximumCharactersAllowed", PropertyType::Integer},
    {"MaximumHeight", PropertyType::Integer},
    {"MaximumWidth", PropertyType::Integer},
    {"MenuBarVisible", PropertyType::Boolean},
    {"MinimumHeight", PropertyType::Integer},
    {"MinimumWidth", PropertyType::Integer},
    {"Multiline", PropertyType::Boolean},
    {"Name", PropertyType::Text},
    {"Password", PropertyType::Boolean},
    {"Period", PropertyType::Integer},
    {"ReadOnly", PropertyType::Boolean},
    {"Resizeable", PropertyType::Boolean},
    {"RunMode", PropertyType::Integer},
    {"Selectable", PropertyType::Boolean},
    {"TabIndex", PropertyType::Integer},
    {"TabPanelIndex", PropertyType::Integer},
    {"TabStop", PropertyType::Boolean},
    {"TextAlignment", PropertyType::Integer},
    {"TextColor", PropertyType::Colour},
    {"Title", PropertyType::Text},
    {"Tooltip", PropertyType::Text},
    {"Top", PropertyType::Integer},
    {"Transparent", PropertyType::Boolean},
    {"Type", PropertyType::Integer},
    {"Underline", PropertyType::Boolean},
    {"ValidationMask", PropertyType::Text},
    {"Value", PropertyType::Text},
    {"Visible", PropertyType::Boolean},
    {"Width", PropertyType::Integer},
};

constexpr bool NameBefore(const PropertyName& a, const PropertyName& b) {
  return a.name < b.name;
}

static_assert(std::ranges::is_sorted(kProperties, NameBefore) &&
                  std::ranges::adjacent_find(kProperties, {}, &PropertyName::name) ==
                      std::ranges::end(kProperties),
              "the property table must be sorted and hold each name once");

// The type a value holds, in the terms of the description's byte forms.
PropertyType TypeHeld(const PropertyValue& value) {
  struct Visitor {
    PropertyType operator()(bool) const { return PropertyType::Boolean; }
    PropertyType operator()(std::int64_t) const { return PropertyType::Integer; }
    PropertyType operator()(FontUnit) const { return PropertyType::FontUnit; }
    PropertyType operator()(float) const { return PropertyType::FontSize; }
    PropertyType operator()(double) const { return PropertyType::LineMeasure; }
    PropertyType operator()(const Colour&) const { return PropertyType::Colour; }
    PropertyType operator()(const String&) const { return PropertyType::Text; }
  };
  return std::visit(Visitor{}, value);
}

template <typename Unsigned>
void AppendLittleEndian(std::string& out, Unsigned value) {
  static_assert(std::is_unsigned_v<Unsigned>);
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
    out += static_cast<char>(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

void AppendValue(std::string& out, const PropertyValue& value) {
  struct Visitor {
    std::string& out;
    void operator()(bool flag) const { out += static_cast<char>(flag ? 1 : 0); }
    void operator()(std::int64_t number) const {
      AppendLittleEndian(out, static_cast<std::uint64_t>(number));
    }
    void operator()(FontUnit unit) const { out += static_cast<char>(unit.value); }
    void operator()(float size) const {
      AppendLittleEndian(out, std::bit_cast<std::uint32_t>(size));
    }
    void operator()(double measure) const {
      AppendLittleEndian(out, std::bit_cast<std::uint64_t>(measure));
    }
    void operator()(const Colour& colour) const {
      for (std::uint8_t byte : colour.bytes) out += static_cast<char>(byte);
    }
    void operator()(const String& text) const {
      const std::string utf8 = text.ToUtf8();
      if (utf8.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw UnsupportedFormatException("layout description: a text of " +
                                         std::to_string(utf8.size()) +
                                         " bytes does not fit its 4-byte count");
      }
      AppendLittleEndian(out, static_cast<std::uint32_t>(utf8.size()));
      out += utf8;
    }
  };
  std::visit(Visitor{out}, value);
}

// Reads a description front to back; every read checks the bytes left first.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return offset_ == bytes_.size(); }

  Property ReadEntry() {
    const std::size_t entryStart = offset_;
    const std::string_view name = ReadName();
    PropertyType type;
    if (!PropertyTypeOf(name, type)) {
      Fail(entryStart, "unknown property name \"" + std::string(name) + "\"");
    }
    return Property{std::string(name), ReadValue(type, name)};
  }

 private:
  static constexpr std::size_t kLongestName = 64;

  [[noreturn]] static void Fail(std::size_t offset, const std::string& what) {
    throw UnsupportedFormatException("malformed layout description at offset " +
                                     std::to_string(offset) + ": " + what);
  }

  static bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  }

  std::size_t Remaining() const { return bytes_.size() - offset_; }

  // The bytes of a value of `count` bytes, which must all be there.
  std::string_view Take(std::size_t count, std::string_view name, const char* what) {
    if (count > Remaining()) {
      Fail(offset_, std::string(what) + " of \"" + std::string(name) + "\" needs " +
                        std::to_string(count) + " bytes, " + std::to_string(Remaining()) +
                        " are left");
    }
    const std::string_view taken = bytes_.substr(offset_, count);
    offset_ += count;
    return taken;
  }

  template <typename Unsigned>
  Unsigned TakeLittleEndian(std::string_view name, const char* what) {
    const std::string_view raw = Take(sizeof(Unsigned), name, what);
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
      value |= static_cast<Unsigned>(Unsigned{static_cast<std::uint8_t>(raw[i])} << (8 * i));
    }
    return value;
  }

  std::string_view ReadName() {
    const std::size_t start = offset_;
    while (offset_ < bytes_.size() && bytes_[offset_] != ' ') {
      if (!IsNameCharacter(bytes_[offset_])) {
        Fail(offset_, "a property name holds only ASCII letters and digits");
      }
      if (offset_ - start == kLongestName) {
        Fail(start, "a property name is at most " + std::to_string(kLongestName) + " characters");
      }
      ++offset_;
    }
    if (offset_ == bytes_.size()) Fail(start, "the property name is not followed by a space");
    if (offset_ == start) Fail(start, "empty property name");
    const std::string_view name = bytes_.substr(start, offset_ - start);
    ++offset_;  // the space
    return name;
  }

  PropertyValue ReadValue(PropertyType type, std::string_view name) {
    switch (type) {
      case PropertyType::Boolean: {
        const std::size_t at = offset_;
        const auto byte = static_cast<std::uint8_t>(Take(1, name, "the Boolean")[0]);
        if (byte > 1) {
          Fail(at, "the Boolean of \"" + std::string(name) + "\" is " + std::to_string(byte) +
                       ", not 0 or 1");
        }
        return byte == 1;
      }
      case PropertyType::Integer:
        return static_cast<std::int64_t>(TakeLittleEndian<std::uint64_t>(name, "the integer"));
      case PropertyType::FontUnit:
        return FontUnit{static_cast<std::uint8_t>(Take(1, name, "the font unit")[0])};
      case PropertyType::FontSize:
        return std::bit_cast<float>(TakeLittleEndian<std::uint32_t>(name, "the font size"));
      case PropertyType::LineMeasure:
        return std::bit_cast<double>(TakeLittleEndian<std::uint64_t>(name, "the line measure"));
      case PropertyType::Colour: {
        const std::string_view raw = Take(4, name, "the colour");
        Colour colour;
        std::transform(raw.begin(), raw.end(), colour.bytes.begin(),
                       [](char c) { return static_cast<std::uint8_t>(c); });
        return colour;
      }
      case PropertyType::Text: {
        const std::uint32_t length = TakeLittleEndian<std::uint32_t>(name, "the text's byte count");
        return String::FromUtf8(Take(length, name, "the text"));
      }
    }
    Fail(offset_, "property \"" + std::string(name) + "\" has no known byte form");
  }

  std::string_view bytes_;
  std::size_t offset_ = 0;
};

}  // namespace

bool PropertyTypeOf(std::string_view name, PropertyType& type) {
  const auto* found = std::lower_bound(
      std::begin(kProperties), std::end(kProperties), name,
      [](const PropertyName& entry, std::string_view wanted) { return entry.name < wanted; });
  if (found == std::end(kProperties) || found->name != name) return false;
  type = found->type;
  return true;
}

std::string EncodeLayout(const std::vector<Property>& properties) {
  std::string out;
  for (const Property& property : properties) {
    PropertyType type;
    if (!PropertyTypeOf(property.name, type)) {
      throw UnsupportedFormatException("layout description: unknown property name \"" +
                                       property.name + "\"");
    }
    if (TypeHeld(property.value) != type) {
      throw UnsupportedFormatException("layout description: property \"" + property.name +
                                       "\" holds a value of the wrong type");
    }
    out += property.name;
    out += ' ';
    AppendValue(out, property.value);
  }
  return out;
}

std::vector<Property> DecodeLayout(std::string_view bytes) {
  Reader reader(bytes);
  std::vector<Property> properties;
  while (!reader.AtEnd()) properties.push_back(reader.ReadEntry());
  return properties;
}

}  // namespace rt
