#include "windows/count_field_keys.h"

#include "runtime/core/string_compare.h"
#include "runtime/core/text_functions.h"
#include "runtime/gui/platform.h"

bool CountFieldKeyDown(const rt::String& key) {
  const std::int64_t code = rt::Asc(key);
  const bool digit =
      rt::RuntimeStringCompare(key, "0") >= 0 && rt::RuntimeStringCompare(key, "9") <= 0;
  if (digit || code < 32 || code == 127) return false;
  rt::Beep();
  return true;
}
