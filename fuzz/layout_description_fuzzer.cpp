#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/exceptions.h"
#include "runtime/core/layout_description.h"

// Any bytes either decode into entries that encode back to exactly those bytes, or are refused
// with UnsupportedFormatException. Whatever else happens is a finding.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<rt::Property> decoded;
  try {
    decoded = rt::DecodeLayout(bytes);
  } catch (const rt::UnsupportedFormatException&) {
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "DecodeLayout raised something else: %s\n", error.what());
    std::abort();
  }

  std::string encoded;
  try {
    encoded = rt::EncodeLayout(decoded);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "EncodeLayout refused what DecodeLayout gave: %s\n", error.what());
    std::abort();
  }
  if (encoded != bytes) {
    std::size_t at = 0;
    while (at < encoded.size() && at < bytes.size() && encoded[at] == bytes[at]) ++at;
    std::fprintf(stderr,
                 "EncodeLayout(DecodeLayout(bytes)) differs from the %zu input bytes at offset "
                 "%zu (%zu bytes encoded)\n",
                 bytes.size(), at, encoded.size());
    std::abort();
  }
  return 0;
}
