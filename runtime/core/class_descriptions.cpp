#include "runtime/core/class_descriptions.h"

namespace rt::layout {

std::vector<Property> WindowDescription(const WindowLook& look) {
  return {
      Integer("Width", look.width),
      Integer("Height", look.height),
      Integer("MinimumWidth", 64),
      Integer("MinimumHeight", 64),
      Integer("MaximumWidth", look.maximumWidth),
      Integer("MaximumHeight", look.maximumHeight),
      Integer("Type", look.type),
      Text("Title", look.title),
      Boolean("HasCloseButton", true),
      Boolean("HasMaximizeButton", look.hasMaximizeButton),
      Boolean("HasMinimizeButton", look.hasMinimizeButton),
      Boolean("HasFullScreenButton", false),
      Boolean("Resizeable", look.resizeable),
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

std::vector<Property> BlackOnWhiteTail() {
  return {Colour4("TextColor", kBlack), Colour4("BackgroundColor", kWhite), Text("DataSource", ""),
          Text("DataField", ""), Text("InitialParent", "")};
}

ControlDescription ButtonDescription(const Placement& p, const char* caption) {
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

ControlDescription CanvasDescription(const Placement& p, const char* tooltip, bool allowFocusRing) {
  std::vector<Property> d = Head(p);
  Append(d, {
                Text("Tooltip", tooltip),
                Boolean("Transparent", true),
                Boolean("AllowFocus", false),
                Boolean("AllowFocusRing", allowFocusRing),
                Boolean("AllowTabs", false),
                Boolean("DoubleBuffer", false),
                // The second Transparent is meant: a canvas's description holds it after its
                // Tooltip, as every control's does, and again among its own properties.
                Boolean("Transparent", true),
                Text("InitialParent", ""),
            });
  return {p.name, d};
}

ControlDescription LabelDescription(const Placement& p, const LabelLook& look) {
  std::vector<Property> d = Head(p);
  Append(d, {
                Text("Tooltip", ""),
                Boolean("Transparent", false),
                Boolean("Multiline", false),
                Boolean("Selectable", false),
                Text("Value", look.text),
                Integer("TextAlignment", look.alignment),
            });
  Append(d, Font(look.fontName, look.fontSize));
  Append(d, {
                Colour4("TextColor", look.colour),
                Text("DataSource", ""),
                Text("DataField", ""),
                Text("InitialParent", look.parent),
            });
  return {p.name, d};
}

ControlDescription TextAreaDescription(const Placement& p, const TextAreaLook& look) {
  std::vector<Property> d = Head(p);
  Append(d, {
                Text("Tooltip", ""),
                Boolean("Transparent", true),
                Boolean("Multiline", true),
                Boolean("HasHorizontalScrollbar", look.hasHorizontalScrollbar),
                Boolean("HasVerticalScrollbar", true),
                Boolean("AllowStyledText", look.allowStyledText),
                Boolean("ReadOnly", look.readOnly),
                Integer("MaximumCharactersAllowed", 0),
                Boolean("HideSelection", true),
                Double("LineSpacing", 1.0),
                Double("LineHeight", 0.0),
                Boolean("AllowSpellChecking", look.allowSpellChecking),
                Boolean("AllowFocusRing", false),
                Boolean("AllowTabs", false),
                Boolean("HasBorder", true),
                Text("Format", ""),
                Text("ValidationMask", ""),
                Text("Value", look.text),
                Integer("TextAlignment", 0),
            });
  Append(d, Font(look.fontName, look.fontSize));
  Append(d, BlackOnWhiteTail());
  return {p.name, d};
}

ControlDescription TimerDescription(const char* name, std::int64_t period, std::int64_t runMode) {
  return {name,
          {
              Text("Name", name),
              Integer("Index", kNoControlSet),
              Integer("Period", period),
              Integer("RunMode", runMode),
          }};
}

}  // namespace rt::layout
