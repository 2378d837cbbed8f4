#include "runtime/gui/ignored_properties.h"

#include <algorithm>
#include <array>
#include <string>

#include "runtime/core/exceptions.h"

namespace rt {

namespace {

// Layout properties with no meaning here, skipped on purpose: Mac-only looks and process ids,
// the font unit (sizes are pixels), focus rings, spell checking and double buffering that Qt
// handles itself, transparency (Qt widgets draw over their parent's background anyway), the
// edge locks (the program's windows do not resize), data binding, input masks and hints, tab
// panels, full-screen and compositing switches, the runtime's default placement, styled-text
// and line-measure settings of text areas that show plain text, and selection switches of
// static texts. A class that can honour one of these handles it before this list is consulted.
constexpr auto kIgnoredProperties = std::to_array<std::string_view>({
    "AllowAutoDeactivate",
    "AllowFocusRing",
    "AllowSpellChecking",
    "AllowStyledText",
    "AllowTabs",
    "Composite",
    "DataField",
    "DataSource",
    "DefaultLocation",
    "DoubleBuffer",
    "Format",
    "FontUnit",
    "FullScreen",
    "HasFullScreenButton",
    "Hint",
    "HideSelection",
    "LineHeight",
    "LineSpacing",
    "LiveResize",
    "LockBottom",
    "LockLeft",
    "LockRight",
    "LockTop",
    "MacButtonStyle",
    "MacProcID",
    "Selectable",
    "TabPanelIndex",
    "Transparent",
    "ValidationMask",
});

bool IsIgnoredProperty(std::string_view name) {
  return std::find(kIgnoredProperties.begin(), kIgnoredProperties.end(), name) !=
         kIgnoredProperties.end();
}

}  // namespace

void SkipUnhonouredProperty(std::string_view className, const Property& property) {
  if (IsIgnoredProperty(property.name)) return;
  throw UnsupportedFormatException(std::string(className) + " has no property " + property.name);
}

}  // namespace rt
