#include "runtime/core/text_input_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/core/exceptions.h"
#include "runtime/core/utf8.h"

namespace rt {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The most bytes a chunk can end with that belong to a character completed by the next chunk:
// three bytes of a four-byte UTF-8 sequence, or a high surrogate and one byte of the unit after.
constexpr std::size_t kMaximumCarry = 3;
constexpr std::size_t kBufferSize = TextInputStream::kChunkSize + kMaximumCarry;

enum class Encoding { kUndecided, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

// Without a byte-order mark, UTF-16 is recognised by its zero bytes, which a file of digits and
// tabs shows on every character: a zero in every high byte and in no low byte.
Encoding GuessWithoutMark(const unsigned char* bytes, std::size_t count) {
  if (count < 4) return Encoding::kUtf8;
  const std::size_t sample = std::min<std::size_t>(count, 256) & ~std::size_t{1};
  bool littleEndian = true;
  bool bigEndian = true;
  for (std::size_t i = 0; i < sample; i += 2) {
    const bool firstIsZero = bytes[i] == 0;
    const bool secondIsZero = bytes[i + 1] == 0;
    littleEndian = littleEndian && !firstIsZero && secondIsZero;
    bigEndian = bigEndian && firstIsZero && !secondIsZero;
  }
  if (littleEndian) return Encoding::kUtf16LittleEndian;
  if (bigEndian) return Encoding::kUtf16BigEndian;
  return Encoding::kUtf8;
}

// Decides the encoding from the start of the file; returns the length of the byte-order mark.
std::size_t DetectEncoding(const unsigned char* bytes, std::size_t count, Encoding& encoding) {
  if (count >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    encoding = Encoding::kUtf8;
    return 3;
  }
  if (count >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    encoding = Encoding::kUtf16LittleEndian;
    return 2;
  }
  if (count >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
    encoding = Encoding::kUtf16BigEndian;
    return 2;
  }
  encoding = GuessWithoutMark(bytes, count);
  return 0;
}

// Characters are searched for line ends in blocks of this many, as they are decoded.
constexpr std::size_t kBlock = kUtf8Block;

// Surrogate pairs are joined; a surrogate without its partner and an odd last byte give U+FFFD.
std::size_t DecodeUtf16(const unsigned char* bytes, std::size_t count, bool bigEndian,
                        bool fileEnds, char32_t* out, std::size_t& produced) {
  const auto unitAt = [bytes, bigEndian](std::size_t i) {
    const unsigned char high = bigEndian ? bytes[i] : bytes[i + 1];
    const unsigned char low = bigEndian ? bytes[i + 1] : bytes[i];
    return static_cast<char32_t>((high << 8) | low);
  };
  std::size_t i = 0;
  std::size_t n = 0;
  while (i + 1 < count) {
    const char32_t unit = unitAt(i);
    if (unit < 0xD800 || unit > 0xDFFF) {
      out[n++] = unit;
      i += 2;
      continue;
    }
    if (unit <= 0xDBFF) {
      if (i + 3 < count) {
        const char32_t next = unitAt(i + 2);
        if (next >= 0xDC00 && next <= 0xDFFF) {
          out[n++] = 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
          i += 4;
          continue;
        }
      } else if (!fileEnds) {
        break;
      }
    }
    out[n++] = kReplacement;
    i += 2;
  }
  if (fileEnds && i < count) {
    out[n++] = kReplacement;
    i = count;
  }
  produced = n;
  return i;
}

// The first CR or LF in [begin, stop), or stop.
const char32_t* FindLineEnd(const char32_t* begin, const char32_t* stop) {
  const char32_t* p = begin;
  while (static_cast<std::size_t>(stop - p) >= kBlock) {
    unsigned lineEnds = 0;
    for (std::size_t k = 0; k < kBlock; ++k) lineEnds |= (p[k] == U'\n') | (p[k] == U'\r');
    if (lineEnds != 0) break;
    p += kBlock;
  }
  while (p != stop && *p != U'\n' && *p != U'\r') ++p;
  return p;
}

}  // namespace

struct TextInputStream::Impl {
  // The buffers are left uninitialised: every open would otherwise clear a third of a megabyte.
  explicit Impl(std::FILE* openFile)
      : file(openFile),
        bytes(std::make_unique_for_overwrite<unsigned char[]>(kBufferSize)),
        characters(std::make_unique_for_overwrite<char32_t[]>(kBufferSize)) {}

  // Decodes the next chunk into `characters`; false at the end of the file or on a read error,
  // which is then kept in `failure`.
  bool DecodeNextChunk();
  [[noreturn]] void Fail(std::string message, int errorCode);

  std::FILE* file;
  Encoding encoding = Encoding::kUndecided;
  std::unique_ptr<unsigned char[]> bytes;
  std::size_t carried = 0;  // bytes at the front of `bytes` left over from the last chunk
  bool fileEnded = false;

  std::unique_ptr<char32_t[]> characters;
  std::size_t next = 0;
  std::size_t end = 0;

  // The last line ended with a CR, so a LF that comes next is part of that line end.
  bool skipLineFeed = false;
  // The start of a line that runs past the decoded chunk.
  std::u32string partialLine;
  std::int64_t lineNumber = 0;

  std::optional<IOException> failure;
  bool failureRaised = false;
};

bool TextInputStream::Impl::DecodeNextChunk() {
  next = 0;
  end = 0;
  while (!failure && !(fileEnded && carried == 0)) {
    std::size_t count = carried;
    if (!fileEnded) {
      const std::size_t read = std::fread(bytes.get() + carried, 1, kChunkSize, file);
      count += read;
      if (read < kChunkSize) {
        if (std::ferror(file)) {
          const int errorCode = errno != 0 ? errno : EIO;
          failure.emplace(std::strerror(errorCode), errorCode);
          return false;
        }
        fileEnded = true;
      }
    }
    std::size_t used = 0;
    if (encoding == Encoding::kUndecided) used = DetectEncoding(bytes.get(), count, encoding);
    std::size_t produced = 0;
    if (encoding == Encoding::kUtf8) {
      used += DecodeUtf8(bytes.get() + used, count - used, fileEnded, characters.get(), produced);
    } else {
      used += DecodeUtf16(bytes.get() + used, count - used, encoding == Encoding::kUtf16BigEndian,
                          fileEnded, characters.get(), produced);
    }
    carried = count - used;
    std::memmove(bytes.get(), bytes.get() + used, carried);
    end = produced;
    if (end > 0) return true;
  }
  return false;
}

void TextInputStream::Impl::Fail(std::string message, int errorCode) {
  failure.emplace(message, errorCode);
  failureRaised = true;
  partialLine = std::u32string();
  throw *failure;
}

TextInputStream::TextInputStream(std::FILE* file) : impl_(std::make_unique<Impl>(file)) {}

TextInputStream::~TextInputStream() {
  Close();
}

String TextInputStream::ReadLine() {
  Impl& s = *impl_;
  if (!s.file) return String();
  if (s.failureRaised) throw *s.failure;
  ++s.lineNumber;
  s.partialLine.clear();
  for (;;) {
    if (s.next == s.end && !s.DecodeNextChunk()) {
      if (s.failure) {
        s.failureRaised = true;
        throw *s.failure;
      }
      return String(std::u32string_view(s.partialLine));
    }
    if (s.skipLineFeed) {
      s.skipLineFeed = false;
      if (s.characters[s.next] == U'\n') {
        ++s.next;
        continue;
      }
    }
    const char32_t* const begin = s.characters.get() + s.next;
    const char32_t* const stop = s.characters.get() + s.end;
    const char32_t* const lineEnd = FindLineEnd(begin, stop);
    const auto length = static_cast<std::size_t>(lineEnd - begin);
    if (s.partialLine.size() + length > static_cast<std::size_t>(kMaximumLineLength)) {
      s.Fail("line " + std::to_string(s.lineNumber) + " is longer than " +
                 std::to_string(kMaximumLineLength) + " characters",
             0);
    }
    if (lineEnd == stop) {
      s.partialLine.append(begin, length);
      s.next = s.end;
      continue;
    }
    s.skipLineFeed = *lineEnd == U'\r';
    s.next += length + 1;
    if (s.partialLine.empty()) return String(std::u32string_view(begin, length));
    s.partialLine.append(begin, length);
    return String(std::u32string_view(s.partialLine));
  }
}

bool TextInputStream::Eof() {
  Impl& s = *impl_;
  if (!s.file || s.failureRaised) return true;
  for (;;) {
    if (s.next == s.end && !s.DecodeNextChunk()) return !s.failure;
    if (s.skipLineFeed) {
      s.skipLineFeed = false;
      if (s.characters[s.next] == U'\n') {
        ++s.next;
        continue;
      }
    }
    return false;
  }
}

void TextInputStream::Close() {
  Impl& s = *impl_;
  if (!s.file) return;
  std::fclose(s.file);
  s.file = nullptr;
  s.bytes.reset();
  s.characters.reset();
  s.partialLine = {};
  s.next = 0;
  s.end = 0;
}

}  // namespace rt
