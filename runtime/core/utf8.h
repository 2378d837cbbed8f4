#pragma once

#include <cstddef>

namespace rt {

// Decoding works through ASCII in blocks of this many bytes.
inline constexpr std::size_t kUtf8Block = 16;

// Decodes UTF-8 `bytes` into `out`, which must have room for `count` characters (never more
// than one per byte), and returns how many bytes were used, with `produced` the characters
// written. Malformed, overlong, surrogate and out-of-range sequences give U+FFFD for their first
// byte and decoding goes on at the next. What is left unused is the start of a character that
// more bytes would complete; when `end` says no more come, nothing is left and an incomplete
// character gives U+FFFD.
std::size_t DecodeUtf8(const unsigned char* bytes, std::size_t count, bool end, char32_t* out,
                       std::size_t& produced);

}  // namespace rt
