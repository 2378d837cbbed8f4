#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "runtime/core/exceptions.h"
#include "runtime/core/layout_description.h"
#include "runtime/core/string.h"

namespace {

[[noreturn]] void Finding(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::abort();
}

std::uint32_t LittleEndian32(std::string_view bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= std::uint32_t{static_cast<std::uint8_t>(bytes[i])} << (8 * i);
  }
  return value;
}

std::string LittleEndian32(std::uint32_t value) {
  std::string bytes;
  for (std::size_t i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i));
  return bytes;
}

// The bytes that encoding the decoded entries must give: the input itself, except that a text
// holding bytes that are not UTF-8 is decoded with U+FFFD in their place, and so comes back as
// the UTF-8 of what was decoded, under its new byte count. Walks the input beside the entries,
// which DecodeLayout has already found to be well formed.
std::string ExpectedEncoding(std::string_view bytes, const std::vector<rt::Property>& decoded) {
  std::string expected;
  std::size_t at = 0;
  for (const rt::Property& property : decoded) {
    const std::size_t head = property.name.size() + 1;
    expected.append(bytes.substr(at, head));
    at += head;
    rt::PropertyType type;
    if (!rt::PropertyTypeOf(property.name, type)) Finding("decoded an unknown name");
    std::size_t valueSize = 0;
    switch (type) {
      case rt::PropertyType::Boolean:
      case rt::PropertyType::FontUnit:
        valueSize = 1;
        break;
      case rt::PropertyType::FontSize:
      case rt::PropertyType::Colour:
        valueSize = 4;
        break;
      case rt::PropertyType::Integer:
      case rt::PropertyType::LineMeasure:
        valueSize = 8;
        break;
      case rt::PropertyType::Text: {
        const std::uint32_t count = LittleEndian32(bytes.substr(at, 4));
        const std::string_view raw = bytes.substr(at + 4, count);
        const rt::String text = rt::String::FromUtf8(raw);
        if (!(std::get<rt::String>(property.value) == text)) {
          Finding("the text of \"" + property.name + "\" was not decoded from its bytes");
        }
        const std::string utf8 = text.ToUtf8();
        expected += LittleEndian32(static_cast<std::uint32_t>(utf8.size()));
        expected += utf8;
        at += 4 + count;
        continue;
      }
    }
    expected.append(bytes.substr(at, valueSize));
    at += valueSize;
  }
  if (at != bytes.size()) Finding("the decoded entries do not cover the input");
  return expected;
}

}  // namespace

// Any bytes either decode into entries that encode back to those bytes (a text that is not UTF-8
// excepted, as above), or are refused with UnsupportedFormatException. Whatever else happens is a
// finding.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<rt::Property> decoded;
  try {
    decoded = rt::DecodeLayout(bytes);
  } catch (const rt::UnsupportedFormatException&) {
    return 0;
  } catch (const std::exception& error) {
    Finding(std::string("DecodeLayout raised something else: ") + error.what());
  }

  std::string encoded;
  try {
    encoded = rt::EncodeLayout(decoded);
  } catch (const std::exception& error) {
    Finding(std::string("EncodeLayout refused what DecodeLayout gave: ") + error.what());
  }
  const std::string expected = ExpectedEncoding(bytes, decoded);
  if (encoded != expected) {
    std::size_t at = 0;
    while (at < encoded.size() && at < expected.size() && encoded[at] == expected[at]) ++at;
    Finding("EncodeLayout(DecodeLayout(bytes)) differs from the " + std::to_string(size) +
            " input bytes at offset " + std::to_string(at) + " (" + std::to_string(encoded.size()) +
            " bytes encoded)");
  }
  return 0;
}
