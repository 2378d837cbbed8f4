#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/layout_builders.h"

// The layout description of each class the program's windows are made of. A class lists its
// properties in one fixed order in every window; only the values differ.
namespace rt::layout {

// What sets one window apart from the others; the rest of its description is the same for all.
struct WindowLook {
  std::int64_t width, height;  // of the content area
  std::int64_t maximumWidth, maximumHeight;
  std::int64_t type;
  const char* title;
  bool hasMaximizeButton;
  bool hasMinimizeButton;
  bool resizeable;
};
// Shown once built, on white, with the application's menu bar and a close box; the runtime
// places it.
std::vector<Property> WindowDescription(const WindowLook& look);

// How the text fields and the text areas end: black on white, bound to no data, on the window.
std::vector<Property> BlackOnWhiteTail();

ControlDescription ButtonDescription(const Placement& p, const char* caption);

ControlDescription CanvasDescription(const Placement& p, const char* tooltip, bool allowFocusRing);

struct LabelLook {
  String text;
  const char* fontName;
  float fontSize;
  std::int64_t alignment;  // 0 the runtime's default, 2 centred
  Colour colour;
  const char* parent;  // the control the label sits on; empty: the window
};
ControlDescription LabelDescription(const Placement& p, const LabelLook& look);

struct TextAreaLook {
  String text;
  const char* fontName;
  float fontSize;
  bool readOnly;
  bool allowStyledText;
  bool hasHorizontalScrollbar;
  bool allowSpellChecking;
};
// A multiline area with a border and a vertical scroll bar, black on white.
ControlDescription TextAreaDescription(const Placement& p, const TextAreaLook& look);

// A timer has no place on the window: its description says only when it fires, Period
// milliseconds after it starts, once (RunMode 1) or again and again (RunMode 2).
ControlDescription TimerDescription(const char* name, std::int64_t period, std::int64_t runMode);

}  // namespace rt::layout
