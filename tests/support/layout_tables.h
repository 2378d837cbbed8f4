#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/core/layout_builders.h"
#include "runtime/gui/runtime_cast.h"
#include "runtime/gui/window.h"

// For the tests of the windows' layout tables: what a description decodes to, and what the
// runtime makes of it.
namespace testsupport {

using DecodedValues = std::map<std::string, rt::PropertyValue>;

// The decoded description as name -> value; a name that appears twice keeps the last value.
inline DecodedValues Values(const std::vector<rt::Property>& description) {
  DecodedValues values;
  for (const rt::Property& property : rt::DecodeLayout(rt::EncodeLayout(description))) {
    values[property.name] = property.value;
  }
  return values;
}

inline std::int64_t Integer(const DecodedValues& values, const char* name) {
  return std::get<std::int64_t>(values.at(name));
}
inline bool Boolean(const DecodedValues& values, const char* name) {
  return std::get<bool>(values.at(name));
}
inline std::string Text(const DecodedValues& values, const char* name) {
  return std::get<rt::String>(values.at(name)).ToUtf8();
}

// Where a control's description places it, as a row of a test's table.
struct ExpectedPlacement {
  const char* name;
  std::int64_t left, top, width, height, tabIndex;
  bool tabStop;
  bool lockedRightAndBottom = false;
  bool lockedLeftAndTop = true;
  bool enabled = true;
  const char* parent = "";  // the control it sits on; empty: the window
  const char* tooltip = "";
};

// Checks what every placed control's description holds: Name and Index first and InitialParent
// last, its place, parent and tab order, its locks, visible, whether enabled, its tooltip. The
// decoded values are returned for the checks of the control's own class.
inline DecodedValues ExpectPlacement(const std::vector<rt::Property>& description,
                                     const ExpectedPlacement& row) {
  const std::vector<rt::Property> decoded = rt::DecodeLayout(rt::EncodeLayout(description));
  EXPECT_GE(decoded.size(), 3u);
  if (decoded.size() >= 3) {
    EXPECT_EQ(decoded.front().name, "Name");
    EXPECT_EQ(decoded[1].name, "Index");
    EXPECT_EQ(decoded.back().name, "InitialParent");
  }
  const DecodedValues values = Values(description);
  EXPECT_EQ(Text(values, "Name"), row.name);
  EXPECT_EQ(Integer(values, "Index"), -2147483648LL);
  EXPECT_EQ(Text(values, "InitialParent"), row.parent);
  EXPECT_EQ(Integer(values, "Left"), row.left);
  EXPECT_EQ(Integer(values, "Top"), row.top);
  EXPECT_EQ(Integer(values, "Width"), row.width);
  EXPECT_EQ(Integer(values, "Height"), row.height);
  EXPECT_EQ(Integer(values, "TabIndex"), row.tabIndex);
  EXPECT_EQ(Boolean(values, "TabStop"), row.tabStop);
  EXPECT_EQ(Integer(values, "TabPanelIndex"), 0);
  EXPECT_EQ(Boolean(values, "LockLeft"), row.lockedLeftAndTop);
  EXPECT_EQ(Boolean(values, "LockTop"), row.lockedLeftAndTop);
  EXPECT_EQ(Boolean(values, "LockRight"), row.lockedRightAndBottom);
  EXPECT_EQ(Boolean(values, "LockBottom"), row.lockedRightAndBottom);
  EXPECT_TRUE(Boolean(values, "Visible"));
  EXPECT_EQ(Boolean(values, "Enabled"), row.enabled);
  EXPECT_TRUE(Boolean(values, "AllowAutoDeactivate"));
  EXPECT_EQ(Text(values, "Tooltip"), row.tooltip);
  return values;
}

// The decoded entries' names in order, one space between them: a description's order as one
// line to compare.
inline std::string Names(const std::vector<rt::Property>& description) {
  std::string names;
  for (const rt::Property& property : rt::DecodeLayout(rt::EncodeLayout(description))) {
    if (!names.empty()) names += ' ';
    names += property.name;
  }
  return names;
}

// One decoded entry as a line: its name and value, texts quoted with CR and LF spelt \r and \n,
// colours as their four bytes in hex.
inline std::string Entry(const rt::Property& property) {
  struct Visitor {
    static std::string Number(double value) {
      std::ostringstream out;
      out << value;
      return out.str();
    }
    std::string operator()(bool value) const { return value ? "True" : "False"; }
    std::string operator()(std::int64_t value) const { return std::to_string(value); }
    std::string operator()(rt::FontUnit unit) const { return std::to_string(unit.value); }
    std::string operator()(float value) const { return Number(value); }
    std::string operator()(double value) const { return Number(value); }
    std::string operator()(const rt::Colour& colour) const {
      char hex[12];
      std::snprintf(hex, sizeof hex, "%02X %02X %02X %02X", colour.bytes[0], colour.bytes[1],
                    colour.bytes[2], colour.bytes[3]);
      return hex;
    }
    std::string operator()(const rt::String& text) const {
      std::string quoted = "\"";
      for (char c : text.ToUtf8()) {
        quoted += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
      }
      return quoted + '"';
    }
  };
  return property.name + ' ' + std::visit(Visitor{}, property.value);
}

// Every decoded entry of a description as a line, in order.
inline std::vector<std::string> Entries(const std::vector<rt::Property>& description) {
  std::vector<std::string> entries;
  for (const rt::Property& property : rt::DecodeLayout(rt::EncodeLayout(description))) {
    entries.push_back(Entry(property));
  }
  return entries;
}

// Makes a control of class Control on `window` from its description, as a window class does:
// constructed, registered under its name, then given its whole description in one call.
template <class Control>
Control& BuildControl(rt::Window& window, const rt::layout::ControlDescription& description) {
  auto made = window.New<Control>();
  made->Constructor();
  window.AddControl(std::move(made), description.name);
  auto& control = rt::RuntimeCheckCast<Control>(window.ControlByName(description.name));
  control.SetProperties(rt::EncodeLayout(description.properties));
  return control;
}

}  // namespace testsupport
