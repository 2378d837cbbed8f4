#include "runtime/core/string.h"

#include "runtime/core/utf8.h"

#include <algorithm>
#include <ostream>

namespace rt {
namespace {

void EncodeOne(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

String::String(const char* utf8) : String(std::string_view(utf8)) {}
String::String(const std::string& utf8) : String(std::string_view(utf8)) {}

String::String(std::string_view utf8) {
  std::u32string characters(utf8.size(), U'\0');
  std::size_t produced = 0;
  DecodeUtf8(reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size(), true,
             characters.data(), produced);
  characters.resize(produced);
  AppendCharacters(characters);
}

String::String(std::u32string_view characters) {
  AppendCharacters(characters);
}

String String::FromUtf8(std::string_view bytes) {
  return String(bytes);
}

std::string String::ToUtf8() const {
  std::string out;
  out.reserve(length_);
  for (char32_t c : Characters()) EncodeOne(c, out);
  return out;
}

std::u32string_view String::Characters() const {
  if (!buffer_) return {};
  return std::u32string_view(buffer_->characters).substr(offset_, length_);
}

String String::Slice(std::int64_t start, std::int64_t count) const {
  const auto length = static_cast<std::int64_t>(length_);
  start = std::clamp<std::int64_t>(start, 0, length);
  count = std::clamp<std::int64_t>(count, 0, length - start);
  String part;
  if (count == 0) return part;
  part.buffer_ = buffer_;
  part.offset_ = offset_ + static_cast<std::size_t>(start);
  part.length_ = static_cast<std::size_t>(count);
  return part;
}

String& String::operator+=(const String& tail) {
  // Copy the tail's characters first: it may share this String's buffer.
  if (tail.buffer_ == buffer_ && buffer_) {
    const std::u32string copy(tail.Characters());
    AppendCharacters(copy);
  } else {
    AppendCharacters(tail.Characters());
  }
  return *this;
}

String& String::operator+=(std::u32string_view tail) {
  AppendCharacters(tail);
  return *this;
}

void String::AppendCharacters(std::u32string_view tail) {
  if (tail.empty()) return;
  const bool endsItsBuffer = buffer_ && offset_ + length_ == buffer_->characters.size();
  if (!endsItsBuffer) {
    auto fresh = std::make_shared<Buffer>();
    fresh->characters.reserve(length_ + tail.size());
    fresh->characters.append(Characters());
    buffer_ = std::move(fresh);
    offset_ = 0;
  }
  buffer_->characters.append(tail);
  length_ += tail.size();
}

bool String::Extends(const String& prefix) const {
  if (prefix.length_ == 0) return true;
  return buffer_ == prefix.buffer_ && offset_ == prefix.offset_ && length_ >= prefix.length_;
}

void PrintTo(const String& text, std::ostream* out) {
  *out << '"' << text.ToUtf8() << '"';
}

}  // namespace rt
