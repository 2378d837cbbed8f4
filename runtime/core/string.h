#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace rt {

// The runtime's text type. It holds characters (Unicode code points), so lengths and positions
// count characters, never bytes.
//
// A String is a slice of a shared, growable buffer: taking a part of a text (Mid, Right, a field
// of a line) copies nothing, and appending to a String that ends where its buffer ends grows the
// buffer in place. Older Strings over the same buffer keep seeing exactly their own characters.
// This keeps the report's "read the whole text, add a piece, write it back" linear in the size of
// the piece, however long the text already is.
class String {
 public:
  String() = default;
  String(const char* utf8);         // NOLINT(google-explicit-constructor): literals read naturally
  String(std::string_view utf8);    // NOLINT(google-explicit-constructor)
  String(const std::string& utf8);  // NOLINT(google-explicit-constructor)
  explicit String(std::u32string_view characters);

  static String FromUtf8(std::string_view bytes);  // invalid sequences become U+FFFD
  std::string ToUtf8() const;

  std::int64_t Length() const { return static_cast<std::int64_t>(length_); }
  bool IsEmpty() const { return length_ == 0; }

  // Valid until the next append to a String sharing this buffer.
  std::u32string_view Characters() const;
  char32_t At(std::int64_t index) const { return Characters()[static_cast<std::size_t>(index)]; }

  // Characters [start, start + count), clamped to the text; shares the buffer.
  String Slice(std::int64_t start, std::int64_t count) const;

  String& operator+=(const String& tail);
  String& operator+=(std::u32string_view tail);
  friend String operator+(String head, const String& tail) { return head += tail; }

  // True when this String is `prefix` followed by zero or more characters appended to the same
  // buffer; an O(1) test that needs no comparison of characters.
  bool Extends(const String& prefix) const;

  friend bool operator==(const String& a, const String& b) {
    return a.Characters() == b.Characters();
  }
  friend std::strong_ordering operator<=>(const String& a, const String& b) {
    return a.Characters() <=> b.Characters();
  }

 private:
  struct Buffer {
    std::u32string characters;
  };

  void AppendCharacters(std::u32string_view tail);

  std::shared_ptr<Buffer> buffer_;
  std::size_t offset_ = 0;
  std::size_t length_ = 0;
};

// For test output: GoogleTest prints a String as its UTF-8 text.
void PrintTo(const String& text, std::ostream* out);

}  // namespace rt
