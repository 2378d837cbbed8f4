#include "windows/control_wnd_layout.h"

#include <cstdint>

#include "runtime/core/class_descriptions.h"

namespace control_wnd_layout {
namespace {

using rt::Property;
using rt::layout::Append;
using rt::layout::BlackOnWhiteTail;
using rt::layout::Boolean;
using rt::layout::ButtonDescription;
using rt::layout::CanvasDescription;
using rt::layout::ControlDescription;
using rt::layout::Font;
using rt::layout::Head;
using rt::layout::Integer;
using rt::layout::kBlack;
using rt::layout::kNoticeColour;
using rt::layout::LabelDescription;
using rt::layout::LabelLook;
using rt::layout::Placement;
using rt::layout::Text;
using rt::layout::TextAreaDescription;
using rt::layout::WindowDescription;

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

LabelLook Caption(const char* text) {
  return {.text = text,
          .fontName = "System",
          .fontSize = 12,
          .alignment = 0,
          .colour = kBlack,
          .parent = ""};
}

std::vector<ControlDescription> MakeControls() {
  return {
      CountField({"ObserversFld", 214, 116, 60, 22, 1, true}, 2),
      CountField({"CasesFld", 214, 143, 60, 22, 2, true}, 3),
      CountField({"CatsFld", 214, 170, 60, 22, 3, true}, 2),
      ButtonDescription({"ClearBtn", 400, 470, 80, 30, 3, false}, "Clear"),
      ButtonDescription({"CalculateBtn", 204, 470, 80, 30, 4, false}, "Get Data"),
      // The area takes no typing until a report is in it.
      TextAreaDescription({"ResultsFld", 20, 213, 460, 230, 5, false, true, false},
                          {.text = "",
                           .fontName = "Courier",
                           .fontSize = 10,
                           .readOnly = false,
                           .allowStyledText = true,
                           .hasHorizontalScrollbar = true,
                           .allowSpellChecking = true}),
      CanvasDescription({"Canvas1", 54, -9, 381, 75, 6, false}, "Click to see splash screen",
                        false),
      LabelDescription({"Label1", 184, 46, 117, 20, 0, false}, {.text = "by the Quorvane team",
                                                                .fontName = "System",
                                                                .fontSize = 10,
                                                                .alignment = 2,
                                                                .colour = kNoticeColour,
                                                                .parent = "Canvas1"}),
      ButtonDescription({"PrintBtn", 20, 470, 80, 30, 7, false}, "Print"),
      LabelDescription({"observerstext", 20, 117, 190, 20, 8, false},
                       Caption("Number of raters (2-99):")),
      LabelDescription({"casetext", 20, 145, 190, 20, 9, false},
                       Caption("Number of cases (2-999):")),
      LabelDescription({"categorytext", 20, 171, 190, 20, 10, false},
                       Caption("Number of categories (2-25):")),
      CanvasDescription({"CanvasQ", 463, 171, 22, 41, 15, false, false}, "", true),
  };
}

std::vector<Property> MakeWindow() {
  return WindowDescription({.width = 500,
                            .height = 520,
                            .maximumWidth = 600,
                            .maximumHeight = 600,
                            .type = 0,
                            .title = "Quorvane",
                            .hasMaximizeButton = false,
                            .hasMinimizeButton = true,
                            .resizeable = false});
}

}  // namespace

const rt::layout::WindowLayout& Layout() {
  static const rt::layout::WindowLayout layout(MakeWindow(), MakeControls());
  return layout;
}

}  // namespace control_wnd_layout
