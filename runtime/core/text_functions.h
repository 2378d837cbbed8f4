#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/core/string.h"

namespace rt {

// The number with which `text` begins: leading spaces, an optional sign, digits with an optional
// decimal point and fraction (".5" is 0.5), and an optional exponent. No such prefix gives 0; a
// comma ends the number; hexadecimal, "inf" and "nan" forms read 0; too large gives infinity.
// Independent of the system locale.
double Val(const String& text);
// The same for characters that are not (yet) a String of their own, such as one field of a line.
double Val(std::u32string_view characters);

// A Double as text: a whole value as bare digits ("-0" shows as "0"), any other finite value in
// its shortest round-trip form ("1.5"), non-finite values as "NaN", "Inf", "-Inf".
String Str(double value);
String Str(std::int64_t value);

// `value` under a numeric pattern such as ".0000", "+.0000" or "+##.00": correctly rounded to the
// pattern's decimals, no digit before the point when the whole part is 0, every digit of a larger
// whole part, "+" before values of zero or more under a pattern that begins with "+", "-" before a
// value that rounds to a non-zero negative; "NaN", "Inf" ("+Inf"), "-Inf" for non-finite values.
// A pattern is an optional "+", then "#" and "0" (each "0" a whole digit that always shows), then
// optionally a point and "0" or "#" for each decimal; any other pattern raises RuntimeException.
String Format(double value, const String& pattern);

// Field `index` (from 1) of `text`, the fields being the stretches between `separator`s; empty
// when the text has fewer fields or `index` is below 1. An empty separator makes the whole text
// field 1. Shares the text's buffer.
String NthField(const String& text, const String& separator, std::int64_t index);

std::int64_t Len(const String& text);
String Right(const String& text, std::int64_t count);  // the last `count` characters, clamped
String Chr(std::int64_t code);         // the one character of that code; U+FFFD for no code point
std::int64_t Asc(const String& text);  // code of the first character; 0 if empty

// Truncation toward zero into a 64-bit integer, defined for every Double: infinities and values
// beyond the range saturate, NaN gives 0.
std::int64_t TruncateToInt64(double value);

double Sqrt(double value);
double Abs(double value);
double Exp(double value);
double Pow(double base, double exponent);

}  // namespace rt
