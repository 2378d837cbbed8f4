#include "windows/description_wnd_layout.h"

#include "runtime/core/class_descriptions.h"
#include "windows/copyright_notice.h"
#include "windows/help_text.h"

namespace description_wnd_layout {
namespace {

using rt::layout::ButtonDescription;
using rt::layout::ControlDescription;
using rt::layout::kBlack;
using rt::layout::LabelDescription;
using rt::layout::Placement;
using rt::layout::TextAreaDescription;
using rt::layout::WindowDescription;

Placement HeldAtAllEdges(Placement p) {
  p.lockedRightAndBottom = true;
  return p;
}

std::vector<ControlDescription> MakeControls() {
  return {
      TextAreaDescription(HeldAtAllEdges({"DescribeFld", -1, -1, 485, 498, 0, true}),
                          {.text = "\r\n",
                           .fontName = "Courier",
                           .fontSize = 10,
                           .readOnly = true,
                           .allowStyledText = false,
                           .hasHorizontalScrollbar = false,
                           .allowSpellChecking = false}),
      // Made after DescribeFld and 2 pixels taller, so it covers that area completely.
      TextAreaDescription({"DescribeFld2", -1, -1, 485, 500, 1, false},
                          {.text = HelpText(),
                           .fontName = "Courier",
                           .fontSize = 11,
                           .readOnly = false,
                           .allowStyledText = true,
                           .hasHorizontalScrollbar = false,
                           .allowSpellChecking = false}),
      LabelDescription(HeldAtAllEdges({"c2002", 112, 499, 353, 24, 3, false}),
                       {.text = CopyrightNotice(),
                        .fontName = "Times",
                        .fontSize = 11,
                        .alignment = 0,
                        .colour = kBlack,
                        .parent = ""}),
      ButtonDescription({"PrintBtn", 11, 503, 69, 20, 2, true}, "Print"),
  };
}

std::vector<rt::Property> MakeWindow() {
  return WindowDescription({.width = 485,
                            .height = 525,
                            .maximumWidth = 600,
                            .maximumHeight = 600,
                            .type = 0,
                            .title = "Description",
                            .hasMaximizeButton = false,
                            .hasMinimizeButton = false,
                            .resizeable = false});
}

}  // namespace

const rt::layout::WindowLayout& Layout() {
  static const rt::layout::WindowLayout layout(MakeWindow(), MakeControls());
  return layout;
}

}  // namespace description_wnd_layout
