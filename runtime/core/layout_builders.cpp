#include "runtime/core/layout_builders.h"

#include <iterator>
#include <stdexcept>

namespace rt::layout {

Property Boolean(const char* name, bool value) {
  return {name, value};
}
Property Integer(const char* name, std::int64_t value) {
  return {name, value};
}
Property Text(const char* name, const String& value) {
  return {name, value};
}
Property Single(const char* name, float value) {
  return {name, value};
}
Property Double(const char* name, double value) {
  return {name, value};
}
Property Colour4(const char* name, Colour value) {
  return {name, value};
}
Property Unit(const char* name, std::uint8_t value) {
  return {name, FontUnit{value}};
}

std::vector<Property> Head(const Placement& p) {
  return {
      Text("Name", p.name),
      Integer("Index", kNoControlSet),
      Integer("Left", p.left),
      Integer("Top", p.top),
      Integer("Width", p.width),
      Integer("Height", p.height),
      Boolean("LockLeft", p.locked),
      Boolean("LockTop", p.locked),
      Boolean("LockRight", p.lockedRightAndBottom),
      Boolean("LockBottom", p.lockedRightAndBottom),
      Integer("TabPanelIndex", 0),
      Integer("TabIndex", p.tabIndex),
      Boolean("TabStop", p.tabStop),
      Boolean("Visible", true),
      Boolean("Enabled", p.enabled),
      Boolean("AllowAutoDeactivate", true),
  };
}

std::vector<Property> Font(const char* name, float size) {
  return {Text("FontName", name), Single("FontSize", size), Unit("FontUnit", 0),
          Boolean("Bold", false), Boolean("Italic", false), Boolean("Underline", false)};
}

void Append(std::vector<Property>& to, std::vector<Property> more) {
  to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

const ControlDescription& WindowLayout::Control(const std::string& name) const {
  for (const ControlDescription& control : controls_) {
    if (name == control.name) return control;
  }
  throw std::out_of_range("no control " + name);
}

}  // namespace rt::layout
