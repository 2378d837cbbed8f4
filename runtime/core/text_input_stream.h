#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "runtime/core/string.h"

namespace rt {

// Reads a text file line by line, in bounded memory whatever the file holds.
//
// Lines end at CR LF, LF or CR; a line end after the last line yields no further line, and an
// empty file yields one empty line. A UTF-8 byte-order mark is skipped; a UTF-16 file (with a
// byte-order mark, or without one when its first line shows the telltale zero bytes) is decoded;
// anything else is read as UTF-8, invalid bytes becoming U+FFFD.
class TextInputStream {
 public:
  // A line longer than this is refused: no data file of counts comes near it, and it keeps the
  // memory that one line can take small.
  static constexpr std::int64_t kMaximumLineLength = 65536;

  // The file is read this many bytes at a time.
  static constexpr std::size_t kChunkSize = 64 * 1024;

  // Takes ownership of `file`, opened for reading in binary mode.
  explicit TextInputStream(std::FILE* file);
  ~TextInputStream();
  TextInputStream(const TextInputStream&) = delete;
  TextInputStream& operator=(const TextInputStream&) = delete;

  // The next line without its line end; an empty text at the end of the file. Raises IOException
  // on a read error or a line longer than kMaximumLineLength characters; the stream reads no
  // further after that, and each later ReadLine raises the same failure.
  String ReadLine();

  // True when no further line can be read. It may read ahead; a read error met there is left for
  // the next ReadLine to raise.
  bool Eof();

  void Close();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace rt
