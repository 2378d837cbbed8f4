#include "windows/about_wnd_layout.h"

#include <cstdint>

#include "runtime/core/class_descriptions.h"
#include "windows/copyright_notice.h"

namespace about_wnd_layout {
namespace {

using rt::layout::CanvasDescription;
using rt::layout::ControlDescription;
using rt::layout::kNoticeColour;
using rt::layout::LabelDescription;
using rt::layout::TimerDescription;
using rt::layout::WindowDescription;

// The splash gives way to the main window this long after the window was made.
constexpr std::int64_t kSplashMilliseconds = 4000;
constexpr std::int64_t kFireOnce = 1;

std::vector<ControlDescription> MakeControls() {
  return {
      CanvasDescription({"Canvas1", 20, 33, 378, 71, 0, false}, "", true),
      // Across the window's full width, so that centring puts the notice mid-window.
      LabelDescription({"StaticText5", 0, 240, 415, 20, 1, false}, {.text = CopyrightNotice(),
                                                                    .fontName = "System",
                                                                    .fontSize = 11,
                                                                    .alignment = 2,
                                                                    .colour = kNoticeColour,
                                                                    .parent = ""}),
      TimerDescription("Timer1", kSplashMilliseconds, kFireOnce),
      CanvasDescription({"Canvas2", 174, 124, 66, 66, 2, true}, "", true),
  };
}

std::vector<rt::Property> MakeWindow() {
  return WindowDescription({.width = 415,
                            .height = 280,
                            .maximumWidth = 32000,
                            .maximumHeight = 32000,
                            .type = 2,
                            .title = "",
                            .hasMaximizeButton = true,
                            .hasMinimizeButton = true,
                            .resizeable = true});
}

}  // namespace

const rt::layout::WindowLayout& Layout() {
  static const rt::layout::WindowLayout layout(MakeWindow(), MakeControls());
  return layout;
}

}  // namespace about_wnd_layout
