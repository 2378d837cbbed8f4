#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "runtime/core/layout_description.h"

// Builders for the design-time tables of the program's windows, so that a table reads as names
// and values, and the entries every control starts with are written once.
namespace rt::layout {

struct ControlDescription {
  const char* name;
  std::vector<Property> properties;  // in the order the description holds them
};

inline constexpr Colour kWhite{{0xFF, 0xFF, 0xFF, 0x00}};
inline constexpr Colour kBlack{{0x00, 0x00, 0x00, 0x00}};
// The colour of the one-line credit and copyright notices.
inline constexpr Colour kNoticeColour{{0x06, 0x01, 0xFB, 0x00}};
// The Index of a control that belongs to no control set.
inline constexpr std::int64_t kNoControlSet = std::numeric_limits<std::int32_t>::min();

Property Boolean(const char* name, bool value);
Property Integer(const char* name, std::int64_t value);
Property Text(const char* name, const String& value);
Property Single(const char* name, float value);
Property Double(const char* name, double value);
Property Colour4(const char* name, Colour value);
Property Unit(const char* name, std::uint8_t value);

// Where a control sits, and how it takes part in tabbing.
struct Placement {
  const char* name;
  std::int64_t left, top, width, height;
  std::int64_t tabIndex;
  bool tabStop;
  bool locked = true;  // LockLeft and LockTop
  bool enabled = true;
  bool lockedRightAndBottom = false;  // LockRight and LockBottom
};

// The entries every control's description starts with, Name and Index first.
std::vector<Property> Head(const Placement& p);

// FontName and FontSize, in the platform's unit, neither bold, italic nor underlined.
std::vector<Property> Font(const char* name, float size);

void Append(std::vector<Property>& to, std::vector<Property> more);

// The design-time values of one window: its own description, and its controls' in the order
// they are made.
class WindowLayout {
 public:
  WindowLayout(std::vector<Property> window, std::vector<ControlDescription> controls)
      : window_(std::move(window)), controls_(std::move(controls)) {}

  const std::vector<Property>& Window() const { return window_; }
  const std::vector<ControlDescription>& Controls() const { return controls_; }
  // The control of that name; raises std::out_of_range when there is none.
  const ControlDescription& Control(const std::string& name) const;

 private:
  std::vector<Property> window_;
  std::vector<ControlDescription> controls_;
};

}  // namespace rt::layout
