#include "analysis/control_wnd_layout.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace control_wnd_layout {
namespace {

using rt::Colour;
using rt::FontUnit;
using rt::Property;

constexpr Colour kWhite{{0xFF, 0xFF, 0xFF, 0x00}};
constexpr Colour kBlack{{0x00, 0x00, 0x00, 0x00}};
constexpr Colour kCreditColour{{0x06, 0x01, 0xFB, 0x00}};
// The Index of a control that belongs to no control set.
constexpr std::int64_t kNoControlSet = std::numeric_limits<std::int32_t>::min();

Property Boolean(const char* name, bool value) {
  return {name, value};
}
Property Integer(const char* name, std::int64_t value) {
  return {name, value};
}
Property Text(const char* name, const char* value) {
  return {name, rt::String(value)};
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

// Where a control sits, and how it takes part in tabbing.
struct Placement {
  const char* name;
  std::int64_t left, top, width, height;
  std::int64_t tabIndex;
  bool tabStop;
  bool locked = true;  // LockLeft and LockTop
  bool enabled = true;
};

std::vector<Property> Head(const Placement& p) {
  return {
      Text("Name", p.name),          Integer("Index", kNoControlSet),
      Integer("Left", p.left),       Integer("Top", p.top),
      Integer("Width", p.width),     Integer("Height", p.height),
      Boolean("LockLeft", p.locked), Boolean("LockTop", p.locked),
      Boolean("LockRight", false),   Boolean("LockBottom", false),
      Integer("TabPanelIndex", 0),   Integer("TabIndex", p.tabIndex),
      Boolean("TabStop", p.tabStop), Boolean("Visible", true),
      Boolean("Enabled", p.enabled),      Boolean("AllowAutoDeactivate", true),
  };
}

void Append(std::vector<Property>& to, std::vector<Property> more) {
  to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

std::vector<Property> Font(const char* name, float size) {
  return {Text("FontName", name), Single("FontSize", size), Unit("FontUnit", 0),
          Boolean("Bold", false), Boolean("Italic", false), Boolean("Underline", false)};
}

// How the text fields and the text area end: black on white, bound to no data, on the window.
std::vector<Property> BlackOnWhiteTail() {
  return {Colour4("TextColor", kBlack), Colour4("BackgroundColor", kWhite), Text("DataSource", ""),
          Text("DataField", ""), Text("InitialParent", "")};
}

ControlDescription CountField(const Placement& p, std::int64_t maximumCharacters) {
  std::vector<Property> d = Head(p);
  Append(d, {
                Text("Tooltip", ""),
                Boolean("Transparent", true),
                Boolean("HasBorder", true),
                Boolean("AllowFocusRing", true),
                Boolean("AllowSpellChecking", false),
                Boolean("Password", false),
                Boolean("ReadOnly", false),
                Boolean("AllowTabs", false),
                Text("Format", ""),
                Text("Hint", ""),
                Text("ValidationMask", ""),
                Text("Value", ""),
                Integer("TextAlignment", 2),
                Integer("MaximumCharactersAllowed", maximumCharacters),
            });
  Append(d, Font("System", 12));
  Append(d, BlackOnWhiteTail());
  return {p.name, d};
}

ControlDescription Button(const Placement& p, const char* caption) {
  std::vector<Property> d = Head(p);
  Append(d, {
                Text("Tooltip", ""),
                Boolean("Transparent", true),
                Text("Caption", caption),
                Boolean("Default", true),
                Boolean("Cancel", false),
                Integer("MacButtonStyle", 0),
            });
  Append(d, Font("System", 12));
  d.push_back(Text("InitialParent", ""));
  return {p.name, d};
}

ControlDescription ReportArea(const Placement& p) {
  std::vector<Property> d = Head(p);
  Append(d, {
                Text("Tooltip", ""),
                Boolean("Transparent", true),
                Boolean("Multiline", true),
                Boolean("HasHorizontalScrollbar", true),
                Boolean("HasVerticalScrollbar", true),
                Boolean("AllowStyledText", true),
                Boolean("ReadOnly", false),
                Integer("MaximumCharactersAllowed", 0),
                Boolean("HideSelection", true),
                Double("LineSpacing", 1.0),
                Double("LineHeight", 0.0),
                Boolean("AllowSpellChecking", true),
                Boolean("AllowFocusRing", false),
                Boolean("AllowTabs", false),
                Boolean("HasBorder", true),
                Text("Format", ""),
                Text("ValidationMask", ""),
                Text("Value", ""),
                Integer("TextAlignment", 0),
            });
  Append(d, Font("Courier", 10));
  Append(d, BlackOnWhiteTail());
  return {p.name, d};
}

ControlDescription PictureCanvas(const Placement& p, const char* tooltip, bool allowFocusRing) {
  std::vector<Property> d = Head(p);
  Append(d, {
                Text("Tooltip", tooltip),
                Boolean("Transparent", true),
                Boolean("AllowFocus", false),
                Boolean("AllowFocusRing", allowFocusRing),
                Boolean("AllowTabs", false),
                Boolean("DoubleBuffer", false),
                Boolean("Transparent", true),
                Text("InitialParent", ""),
            });
  return {p.name, d};
}

ControlDescription Caption(const Placement& p, const char* text, float fontSize,
                           std::int64_t alignment, Colour colour, const char* parent) {
  std::vector<Property> d = Head(p);
  Append(d, {
                Text("Tooltip", ""),
                Boolean("Transparent", false),
                Boolean("Multiline", false),
                Boolean("Selectable", false),
                Text("Value", text),
                Integer("TextAlignment", alignment),
            });
  Append(d, Font("System", fontSize));
  Append(d, {
                Colour4("TextColor", colour),
                Text("DataSource", ""),
                Text("DataField", ""),
                Text("InitialParent", parent),
            });
  return {p.name, d};
}

std::vector<ControlDescription> MakeControls() {
  return {
      CountField({"ObserversFld", 214, 116, 60, 22, 1, true}, 2),
      CountField({"CasesFld", 214, 143, 60, 22, 2, true}, 3),
      CountField({"CatsFld", 214, 170, 60, 22, 3, true}, 2),
      Button({"ClearBtn", 400, 470, 80, 30, 3, false}, "Clear"),
      Button({"CalculateBtn", 204, 470, 80, 30, 4, false}, "Get Data"),
      // The area takes no typing until a report is in it.
      ReportArea({"ResultsFld", 20, 213, 460, 230, 5, false, true, false}),
      PictureCanvas({"Canvas1", 54, -9, 381, 75, 6, false}, "Click to see splash screen", false),
      Caption({"Label1", 184, 46, 117, 20, 0, false}, "by the Quorvane team", 10, 2, kCreditColour,
              "Canvas1"),
      Button({"PrintBtn", 20, 470, 80, 30, 7, false}, "Print"),
      Caption({"observerstext", 20, 117, 190, 20, 8, false}, "Number of raters (2-99):", 12, 0,
              kBlack, ""),
      Caption({"casetext", 20, 145, 190, 20, 9, false}, "Number of cases (2-999):", 12, 0, kBlack,
              ""),
      Caption({"categorytext", 20, 171, 190, 20, 10, false}, "Number of categories (2-25):", 12, 0,
              kBlack, ""),
      PictureCanvas({"CanvasQ", 463, 171, 22, 41, 15, false, false}, "", true),
  };
}

}  // namespace

std::vector<Property> Window() {
  return {
      Integer("Width", 500),
      Integer("Height", 520),
      Integer("MinimumWidth", 64),
      Integer("MinimumHeight", 64),
      Integer("MaximumWidth", 600),
      Integer("MaximumHeight", 600),
      Integer("Type", 0),
      Text("Title", "Quorvane"),
      Boolean("HasCloseButton", true),
      Boolean("HasMaximizeButton", false),
      Boolean("HasMinimizeButton", true),
      Boolean("HasFullScreenButton", false),
      Boolean("Resizeable", false),
      Boolean("FullScreen", false),
      Integer("DefaultLocation", 0),
      Boolean("Visible", true),
      Boolean("HasBackgroundColor", true),
      Colour4("BackgroundColor", kWhite),
      Boolean("MenuBarVisible", true),
      Boolean("Composite", false),
      Integer("MacProcID", 0),
      Boolean("LiveResize", false),
  };
}

const std::vector<ControlDescription>& Controls() {
  static const std::vector<ControlDescription> controls = MakeControls();
  return controls;
}

const ControlDescription& Control(const std::string& name) {
  for (const ControlDescription& control : Controls()) {
    if (name == control.name) return control;
  }
  throw std::out_of_range("no control " + name);
}

}  // namespace control_wnd_layout
