#pragma once

#include <cstdint>

#include "runtime/core/string.h"

namespace quorvane {

// What the report needs of the text area it is appended to.
class ReportArea {
 public:
  virtual ~ReportArea() = default;
  virtual rt::String Text() = 0;
  virtual void SetText(const rt::String& text) = 0;
  virtual void SetSelectionStart(std::int64_t position) = 0;  // the caret there, nothing selected
  virtual void SetSelectedText(const rt::String& text) = 0;   // replaces the selection
  virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace quorvane
