#include "runtime/core/utf8.h"

#include <algorithm>
#include <cstring>

namespace rt {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// ASCII is decoded in blocks. The fixed-size loops over a block,
// without an early exit and on a local copy that nothing else can alias, are what the compiler
// turns into vector instructions.
constexpr std::size_t kBlock = kUtf8Block;

// Copies a block of bytes to `out` as characters when all of them are ASCII.
bool WidenAsciiBlock(const unsigned char* bytes, char32_t* out) {
  unsigned char block[kBlock];
  std::memcpy(block, bytes, kBlock);
  unsigned char bits = 0;
  for (std::size_t k = 0; k < kBlock; ++k) bits |= block[k];
  if ((bits & 0x80) != 0) return false;
  for (std::size_t k = 0; k < kBlock; ++k) out[k] = block[k];
  return true;
}

}  // namespace

std::size_t DecodeUtf8(const unsigned char* bytes, std::size_t count, bool fileEnds, char32_t* out,
                       std::size_t& produced) {
  std::size_t i = 0;
  std::size_t n = 0;
  while (i < count) {
    const unsigned char lead = bytes[i];
    if (lead < 0x80) {
      while (i + kBlock <= count && WidenAsciiBlock(bytes + i, out + n)) {
        i += kBlock;
        n += kBlock;
      }
      if (i < count && bytes[i] < 0x80) {
        out[n++] = bytes[i];
        ++i;
      }
      continue;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
      length = 2;
      value = lead & 0x1F;
      minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      value = lead & 0x0F;
      minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      value = lead & 0x07;
      minimum = 0x10000;
    } else {
      out[n++] = kReplacement;
      ++i;
      continue;
    }
    const std::size_t available = std::min(length, count - i);
    std::size_t k = 1;
    while (k < available && (bytes[i + k] & 0xC0) == 0x80) {
      value = (value << 6) | (bytes[i + k] & 0x3F);
      ++k;
    }
    if (k == available && available < length && !fileEnds) break;
    if (k < length || value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
      out[n++] = kReplacement;
      ++i;
      continue;
    }
    out[n++] = value;
    i += length;
  }
  produced = n;
  return i;
}

}  // namespace rt
