#include "runtime/core/text_functions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "runtime/core/exceptions.h"

namespace rt {
namespace {

bool IsDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

// The whole part of the largest finite Double has 309 digits.
constexpr std::size_t kMaxWholeDigits = 309;

// Where the number that Val reads lies in a text.
struct NumberPrefix {
  bool negative = false;
  std::size_t mantissaStart = 0;  // first character after the sign
  std::size_t end = 0;            // one past the last character of the number
  // Position of the first significant digit relative to the units digit (0 for "5", 2 for
  // "123", -1 for ".5"), plus the exponent; saturated, so only good for telling overflow from
  // underflow. Meaningless when every digit is zero.
  std::int64_t decimalExponent = 0;
  bool found = false;
};

NumberPrefix FindNumber(std::u32string_view chars) {
  NumberPrefix number;
  std::size_t i = 0;
  while (i < chars.size() && chars[i] == U' ') ++i;
  if (i < chars.size() && (chars[i] == U'+' || chars[i] == U'-')) {
    number.negative = chars[i] == U'-';
    ++i;
  }
  number.mantissaStart = i;

  // Counted as signed values: a digit string is never longer than the text, which fits memory.
  std::int64_t wholeDigits = 0;
  std::int64_t firstSignificant = -1;  // index among all mantissa digits
  std::int64_t digitIndex = 0;
  for (; i < chars.size() && IsDigit(chars[i]); ++i, ++digitIndex, ++wholeDigits) {
    if (firstSignificant < 0 && chars[i] != U'0') firstSignificant = digitIndex;
  }
  std::int64_t fractionDigits = 0;
  if (i < chars.size() && chars[i] == U'.') {
    ++i;
    for (; i < chars.size() && IsDigit(chars[i]); ++i, ++digitIndex, ++fractionDigits) {
      if (firstSignificant < 0 && chars[i] != U'0') firstSignificant = digitIndex;
    }
  }
  if (wholeDigits == 0 && fractionDigits == 0) return number;
  number.found = true;
  number.end = i;

  std::int64_t exponent = 0;
  if (i < chars.size() && (chars[i] == U'e' || chars[i] == U'E')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < chars.size() && (chars[j] == U'+' || chars[j] == U'-')) {
      negativeExponent = chars[j] == U'-';
      ++j;
    }
    if (j < chars.size() && IsDigit(chars[j])) {
      // Far beyond any exponent a Double can take; the last step below stays under 10^18.
      constexpr std::int64_t kSaturation = 100'000'000'000'000'000;
      for (; j < chars.size() && IsDigit(chars[j]); ++j) {
        if (exponent < kSaturation) exponent = exponent * 10 + (chars[j] - U'0');
      }
      if (negativeExponent) exponent = -exponent;
      number.end = j;
    }
  }
  if (firstSignificant >= 0) number.decimalExponent = wholeDigits - 1 - firstSignificant + exponent;
  return number;
}

}  // namespace

double Val(const String& text) {
  return Val(text.Characters());
}

double Val(std::u32string_view chars) {
  const NumberPrefix number = FindNumber(chars);
  if (!number.found) return 0.0;

  // Nearly every field of a data file is a small whole count: up to 15 digits and nothing else
  // is an integer below 2^53, which the Double holds exactly, so no decimal conversion is needed.
  const std::size_t digits = number.end - number.mantissaStart;
  if (digits <= 15) {
    std::int64_t whole = 0;
    std::size_t i = number.mantissaStart;
    for (; i < number.end && IsDigit(chars[i]); ++i) whole = whole * 10 + (chars[i] - U'0');
    if (i == number.end) {
      const double magnitude = static_cast<double>(whole);
      return number.negative ? -magnitude : magnitude;
    }
  }

  // Every character of the prefix is ASCII, so narrowing each one is exact.
  std::string ascii;
  ascii.reserve(number.end - number.mantissaStart);
  for (std::size_t i = number.mantissaStart; i < number.end; ++i) {
    ascii += static_cast<char>(chars[i]);
  }
  double magnitude = 0.0;
  const std::from_chars_result result =
      std::from_chars(ascii.data(), ascii.data() + ascii.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    // A value of 1 or more can only overflow, a value below 1 only underflow.
    magnitude = number.decimalExponent >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return number.negative ? -magnitude : magnitude;
}

String Str(double value) {
  if (std::isnan(value)) return String("NaN");
  if (std::isinf(value)) return String(value > 0 ? "Inf" : "-Inf");
  if (value == 0) return String("0");  // also -0
  // Counts are small whole numbers; their digits need no floating-point conversion.
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    return Str(static_cast<std::int64_t>(value));
  }
  std::array<char, kMaxWholeDigits + 32> buffer;
  char* const first = buffer.data();
  char* const last = first + buffer.size();
  // Fixed notation prints a whole Double's exact digits: no other form of as few characters
  // lies nearer to it.
  const std::to_chars_result result =
      value == std::trunc(value) ? std::to_chars(first, last, value, std::chars_format::fixed)
                                 : std::to_chars(first, last, value);
  return String(std::string_view(first, static_cast<std::size_t>(result.ptr - first)));
}

String Str(std::int64_t value) {
  std::array<char, 24> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return String(
      std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
}

namespace {

// A numeric pattern: an optional "+", then "#" and "0" (each "0" one digit that always shows),
// then optionally a point followed by "0" and "#", each one decimal.
struct NumericPattern {
  bool plusSign = false;
  std::size_t minimumWholeDigits = 0;
  bool point = false;
  std::size_t decimals = 0;
};

NumericPattern ParsePattern(const String& pattern) {
  const std::u32string_view chars = pattern.Characters();
  NumericPattern parsed;
  std::size_t i = 0;
  if (i < chars.size() && chars[i] == U'+') {
    parsed.plusSign = true;
    ++i;
  }
  for (; i < chars.size() && (chars[i] == U'#' || chars[i] == U'0'); ++i) {
    if (chars[i] == U'0') ++parsed.minimumWholeDigits;
  }
  if (i < chars.size() && chars[i] == U'.') {
    parsed.point = true;
    ++i;
    for (; i < chars.size() && (chars[i] == U'#' || chars[i] == U'0'); ++i) ++parsed.decimals;
  }
  if (i != chars.size()) {
    throw RuntimeException("Format: unsupported pattern \"" + pattern.ToUtf8() + "\"");
  }
  return parsed;
}

}  // namespace

String Format(double value, const String& pattern) {
  const NumericPattern parsed = ParsePattern(pattern);
  if (std::isnan(value)) return String("NaN");
  if (std::isinf(value)) {
    if (value < 0) return String("-Inf");
    return String(parsed.plusSign ? "+Inf" : "Inf");
  }

  // Rounding the magnitude is the same as rounding the value: ties fall as the exact binary
  // value lies, never toward a sign.
  const std::size_t needed = kMaxWholeDigits + 2 + parsed.decimals;
  std::array<char, 512> stackBuffer;
  std::vector<char> heapBuffer;
  char* first = stackBuffer.data();
  if (needed > stackBuffer.size()) {
    heapBuffer.resize(needed);
    first = heapBuffer.data();
  }
  const auto result = std::to_chars(first, first + needed, std::fabs(value),
                                    std::chars_format::fixed, static_cast<int>(parsed.decimals));
  const std::string_view rounded(first, static_cast<std::size_t>(result.ptr - first));

  const std::size_t point = rounded.find('.');
  std::string_view whole = rounded.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : rounded.substr(point + 1);
  const bool roundsToZero = rounded.find_first_not_of("0.") == std::string_view::npos;
  if (whole == "0") whole = {};

  std::string out;
  out.reserve(2 + std::max(whole.size(), parsed.minimumWholeDigits) + parsed.decimals);
  if (value < 0 && !roundsToZero) {
    out += '-';
  } else if (parsed.plusSign) {
    out += '+';
  }
  if (whole.size() < parsed.minimumWholeDigits) {
    out.append(parsed.minimumWholeDigits - whole.size(), '0');
  }
  out.append(whole);
  if (parsed.point) {
    out += '.';
    out.append(fraction);
  }
  return String(out);
}

String NthField(const String& text, const String& separator, std::int64_t index) {
  if (index < 1) return String();
  const std::u32string_view chars = text.Characters();
  const std::u32string_view sep = separator.Characters();
  if (sep.empty()) return index == 1 ? text : String();

  // Field j is found by scanning from the start, so this loop is the whole cost of reading a
  // data line field by field.
  std::size_t start = 0;
  for (std::int64_t field = 1; field < index; ++field) {
    const std::size_t next = chars.find(sep, start);
    if (next == std::u32string_view::npos) return String();
    start = next + sep.size();
  }
  std::size_t end = chars.find(sep, start);
  if (end == std::u32string_view::npos) end = chars.size();
  return text.Slice(static_cast<std::int64_t>(start), static_cast<std::int64_t>(end - start));
}

std::int64_t Len(const String& text) {
  return text.Length();
}

String Right(const String& text, std::int64_t count) {
  if (count <= 0) return String();
  const std::int64_t length = text.Length();
  if (count >= length) return text;
  return text.Slice(length - count, count);
}

String Chr(std::int64_t code) {
  const bool valid = code >= 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
  const char32_t character = valid ? static_cast<char32_t>(code) : U'\uFFFD';
  return String(std::u32string_view(&character, 1));
}

std::int64_t Asc(const String& text) {
  if (text.IsEmpty()) return 0;
  return static_cast<std::int64_t>(text.At(0));
}

std::int64_t TruncateToInt64(double value) {
  // 2^63 is exactly representable; every Double below it and at or above -2^63 converts.
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (std::isnan(value)) return 0;
  if (value >= kTwoTo63) return std::numeric_limits<std::int64_t>::max();
  if (value < -kTwoTo63) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(value);
}

double Sqrt(double value) {
  return std::sqrt(value);
}
double Abs(double value) {
  return std::fabs(value);
}
double Exp(double value) {
  return std::exp(value);
}
double Pow(double base, double exponent) {
  return std::pow(base, exponent);
}

}  // namespace rt
