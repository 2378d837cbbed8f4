#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "runtime/core/exceptions.h"
#include "runtime/core/string.h"
#include "runtime/core/text_functions.h"

namespace {

[[noreturn]] void Finding(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::abort();
}

std::string Show(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g (bits %016llx)", value,
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Bytes taken from the front of the input; what is missing reads as zero bytes.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  template <typename T>
  T Take() {
    unsigned char bytes[sizeof(T)] = {};
    const std::size_t count = std::min(sizeof(T), size_);
    if (count > 0) std::memcpy(bytes, data_, count);
    data_ += count;
    size_ -= count;
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
  }
  std::string_view TakeBytes(std::size_t count) {
    count = std::min(count, size_);
    const std::string_view taken(reinterpret_cast<const char*>(data_), count);
    data_ += count;
    size_ -= count;
    return taken;
  }
  std::string_view Rest() { return TakeBytes(size_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

void CheckStr(double x) {
  const std::string text = rt::Str(x).ToUtf8();
  if (std::isnan(x)) {
    if (text != "NaN") Finding("Str(" + Show(x) + ") is \"" + text + "\", not NaN");
    return;
  }
  if (std::isinf(x)) {
    if (text != (x > 0 ? "Inf" : "-Inf")) Finding("Str(" + Show(x) + ") is \"" + text + "\"");
    return;
  }
  if (x == std::trunc(x)) {
    // The report relies on a whole number coming back as its digits alone.
    const std::size_t digits = text[0] == '-' ? 1 : 0;
    bool bare = digits < text.size() && (text[digits] != '0' || text.size() == digits + 1);
    for (std::size_t i = digits; i < text.size(); ++i) bare = bare && IsDigit(text[i]);
    if (!bare || text == "-0") {
      Finding("Str of the whole number " + Show(x) + " is \"" + text + "\", not bare digits");
    }
  }
  const double back = rt::Val(rt::String(text));
  if (back != x) {
    Finding("Val(Str(" + Show(x) + ")) is " + Show(back) + "; Str gave \"" + text + "\"");
  }
  // A field ends at its tab: what follows the number does not change it.
  const double field = rt::Val(rt::String(text + "\t9"));
  if (field != x) Finding("Val(\"" + text + "\\t9\") is " + Show(field) + ", not " + Show(x));
}

struct PatternCase {
  const char* pattern;
  std::size_t decimals;
  bool plusSign;
};

constexpr PatternCase kPatterns[] = {
    {".0000", 4, false},
    {"+.0000", 4, true},
    {"+##.00", 2, true},
};

void CheckFormat(double x, const PatternCase& pattern) {
  const std::string text = rt::Format(x, pattern.pattern).ToUtf8();
  const std::string where =
      std::string("Format(") + Show(x) + ", \"" + pattern.pattern + "\") = \"" + text + "\": ";
  if (std::isnan(x)) {
    if (text != "NaN") Finding(where + "not NaN");
    return;
  }
  if (std::isinf(x)) {
    const char* expected = x < 0 ? "-Inf" : (pattern.plusSign ? "+Inf" : "Inf");
    if (text != expected) Finding(where + "not " + expected);
    return;
  }

  std::size_t at = 0;
  const char sign = !text.empty() && (text[0] == '+' || text[0] == '-') ? text[0] : '\0';
  if (sign != '\0') ++at;
  const std::size_t wholeStart = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  const std::size_t wholeDigits = at - wholeStart;
  if (wholeDigits > 0 && text[wholeStart] == '0') Finding(where + "a leading zero");
  if (at == text.size() || text[at] != '.') Finding(where + "no decimal point after the digits");
  ++at;
  const std::size_t decimals = text.size() - at;
  for (; at < text.size(); ++at) {
    if (!IsDigit(text[at])) Finding(where + "a decimal that is not a digit");
  }
  if (decimals != pattern.decimals) {
    Finding(where + std::to_string(decimals) + " decimals, not " +
            std::to_string(pattern.decimals));
  }

  const bool roundsToZero = text.find_first_of("123456789") == std::string::npos;
  const char expectedSign = x < 0 && !roundsToZero ? '-' : (pattern.plusSign ? '+' : '\0');
  if (sign != expectedSign) Finding(where + "the wrong sign");

  // The nearest number with the pattern's decimals: within half a unit of the last decimal.
  const double back = rt::Val(rt::String(text));
  const double halfUnit = 0.5 * std::pow(10.0, -static_cast<double>(pattern.decimals));
  const double slack =
      4 * std::numeric_limits<double>::epsilon() * std::max(std::fabs(x), std::fabs(back));
  if (!(std::fabs(back - x) <= halfUnit * (1 + 1e-9) + slack)) {
    Finding(where + "reads back as " + Show(back) + ", more than half a unit away");
  }
}

// Any other pattern is refused with RuntimeException or, when it is a numeric one, gives its
// count of decimals after the point.
void CheckFormatWithAnyPattern(double x, const rt::String& pattern) {
  rt::String text;
  try {
    text = rt::Format(x, pattern);
  } catch (const rt::RuntimeException&) {
    return;
  }
  if (!std::isfinite(x)) return;
  const std::string utf8 = pattern.ToUtf8();
  const std::size_t point = utf8.find('.');
  const std::string result = text.ToUtf8();
  if (point == std::string::npos) {
    if (result.find('.') != std::string::npos) {
      Finding("Format(" + Show(x) + ", \"" + utf8 + "\") = \"" + result + "\" has a point");
    }
    return;
  }
  const std::size_t decimals = utf8.size() - point - 1;
  const std::size_t resultPoint = result.find('.');
  if (resultPoint == std::string::npos || result.size() - resultPoint - 1 != decimals) {
    Finding("Format(" + Show(x) + ", \"" + utf8 + "\") = \"" + result + "\" has not " +
            std::to_string(decimals) + " decimals");
  }
}

void CheckNumber(double x) {
  CheckStr(x);
  for (const PatternCase& pattern : kPatterns) CheckFormat(x, pattern);
  const std::int64_t truncated = rt::TruncateToInt64(x);
  if (std::isfinite(x) && std::fabs(x) < 9.2e18 &&
      static_cast<double>(truncated) != std::trunc(x)) {
    Finding("TruncateToInt64(" + Show(x) + ") is " + std::to_string(truncated));
  }
}

void CheckVal(const rt::String& text) {
  const double value = rt::Val(text);
  if (std::isnan(value)) Finding("Val(\"" + text.ToUtf8() + "\") is NaN");
  if (rt::Val(text.Characters()) != value) {
    Finding("Val of the String and of its characters differ for \"" + text.ToUtf8() + "\"");
  }
  // Leading spaces do not change the number.
  if (rt::Val(rt::String("  ") + text) != value) {
    Finding("Val(\"  " + text.ToUtf8() + "\") differs from Val without the spaces");
  }
  CheckNumber(value);
}

void CheckRightAndLen(const rt::String& text, std::int64_t count) {
  const std::int64_t length = rt::Len(text);
  if (length != static_cast<std::int64_t>(text.Characters().size())) {
    Finding("Len is " + std::to_string(length) + " for " +
            std::to_string(text.Characters().size()) + " characters");
  }
  const rt::String right = rt::Right(text, count);
  const std::int64_t expected = std::clamp<std::int64_t>(count, 0, length);
  if (rt::Len(right) != expected) {
    Finding("Right(text of " + std::to_string(length) + ", " + std::to_string(count) + ") has " +
            std::to_string(rt::Len(right)) + " characters");
  }
  if (right.Characters() != text.Characters().substr(static_cast<std::size_t>(length - expected))) {
    Finding("Right(text, " + std::to_string(count) + ") is not the end of the text");
  }
}

// Fields joined again with their separators give the text back; every field past the last and
// every index below 1 is empty.
void CheckNthField(const rt::String& text, const rt::String& separator, std::int64_t probe) {
  const std::u32string_view chars = text.Characters();
  const std::u32string_view sep = separator.Characters();
  if (!rt::NthField(text, separator, 0).IsEmpty() || !rt::NthField(text, separator, -1).IsEmpty() ||
      !rt::NthField(text, separator, std::numeric_limits<std::int64_t>::min()).IsEmpty()) {
    Finding("NthField with an index below 1 is not empty");
  }
  if (sep.empty()) {
    if (!(rt::NthField(text, separator, 1) == text) ||
        !rt::NthField(text, separator, 2).IsEmpty()) {
      Finding("NthField with an empty separator is not the whole text as field 1");
    }
    return;
  }

  std::int64_t fields = 1;
  for (std::size_t at = chars.find(sep); at != std::u32string_view::npos;
       at = chars.find(sep, at + sep.size())) {
    ++fields;
  }
  // Each field is found by a scan from the start; a few hundred keep one input quick.
  constexpr std::int64_t kFieldsJoinedAtMost = 300;
  if (fields <= kFieldsJoinedAtMost) {
    std::u32string joined;
    for (std::int64_t j = 1; j <= fields; ++j) {
      if (j > 1) joined += sep;
      const rt::String field = rt::NthField(text, separator, j);
      if (field.Characters().find(sep) != std::u32string_view::npos) {
        Finding("field " + std::to_string(j) + " holds its separator");
      }
      joined += field.Characters();
    }
    if (joined != chars) Finding("the fields joined by their separator are not the text");
  }
  if (!rt::NthField(text, separator, fields + 1).IsEmpty() ||
      !rt::NthField(text, separator, std::numeric_limits<std::int64_t>::max()).IsEmpty()) {
    Finding("a field past the last one is not empty");
  }
  const std::int64_t index = probe > 0 ? probe % (fields + 2) + 1 : 1;
  const rt::String field = rt::NthField(text, separator, index);
  if (index > fields && !field.IsEmpty()) Finding("a field past the last one is not empty");
}

}  // namespace

// The input: a Double's 8 bytes (any bits: NaN payloads, infinities, subnormals), a count for
// Right, a separator of up to 3 bytes, and the rest as text, read once as UTF-8 and once as raw
// 32-bit characters (any value, valid code point or not). Separator and text also serve as
// patterns for Format.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  const double x = input.Take<double>();
  const auto count = input.Take<std::int64_t>();
  const std::size_t separatorLength = input.Take<std::uint8_t>() % 4;
  const rt::String separator = rt::String::FromUtf8(input.TakeBytes(separatorLength));
  const std::string_view rest = input.Rest();

  CheckNumber(x);
  CheckNumber(std::trunc(x));
  CheckNumber(static_cast<double>(
      std::bit_cast<float>(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(x)))));

  const rt::String utf8 = rt::String::FromUtf8(rest);
  std::u32string raw(rest.size() / 4, U'\0');
  if (!raw.empty()) std::memcpy(raw.data(), rest.data(), raw.size() * 4);
  const rt::String wide(raw);

  CheckFormatWithAnyPattern(x, separator);
  CheckFormatWithAnyPattern(x, utf8);
  for (const rt::String* text : {&utf8, &wide}) {
    CheckVal(*text);
    CheckRightAndLen(*text, count);
    CheckNthField(*text, separator, count);
    CheckNthField(*text, rt::Chr(9), count);
  }
  if (!(rt::String::FromUtf8(utf8.ToUtf8()) == utf8)) {
    Finding("decoded UTF-8 does not survive being encoded and decoded again");
  }
  return 0;
}
