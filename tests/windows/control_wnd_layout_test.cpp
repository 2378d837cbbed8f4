#include "windows/control_wnd_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "tests/support/layout_tables.h"

namespace {

using rt::Property;

using testsupport::Boolean;
using testsupport::Integer;
using testsupport::Text;
using testsupport::Values;

TEST(ControlWndLayout, TheWindowDescriptionDecodesToItsValues) {
  const auto values = Values(control_wnd_layout::Layout().Window());
  EXPECT_EQ(Integer(values, "Width"), 500);
  EXPECT_EQ(Integer(values, "Height"), 520);
  EXPECT_EQ(Integer(values, "MinimumWidth"), 64);
  EXPECT_EQ(Integer(values, "MaximumHeight"), 600);
  EXPECT_EQ(Text(values, "Title"), "Quorvane");
  EXPECT_FALSE(Boolean(values, "Resizeable"));
  EXPECT_FALSE(Boolean(values, "HasMaximizeButton"));
  EXPECT_TRUE(Boolean(values, "HasMinimizeButton"));
  EXPECT_TRUE(Boolean(values, "MenuBarVisible"));
  EXPECT_EQ(std::get<rt::Colour>(values.at("BackgroundColor")),
            (rt::Colour{{0xFF, 0xFF, 0xFF, 0x00}}));
  EXPECT_EQ(values.count("Left"), 0u) << "the runtime places the window";
}

TEST(ControlWndLayout, EachControlDescriptionDecodesToItsValues) {
  struct Row {
    testsupport::ExpectedPlacement placement;
    const char* text;  // Value or Caption; nullptr where the class has none
    const char* fontName;
    float fontSize;
  };
  // Positional: name, left, top, width, height, tab index, tab stop, locked right and bottom,
  // locked left and top, enabled, parent, tooltip.
  const Row rows[] = {
      {{"ObserversFld", 214, 116, 60, 22, 1, true}, "", "System", 12},
      {{"CasesFld", 214, 143, 60, 22, 2, true}, "", "System", 12},
      {{"CatsFld", 214, 170, 60, 22, 3, true}, "", "System", 12},
      {{"ClearBtn", 400, 470, 80, 30, 3, false}, "Clear", "System", 12},
      {{"CalculateBtn", 204, 470, 80, 30, 4, false}, "Get Data", "System", 12},
      {{"ResultsFld", 20, 213, 460, 230, 5, false, false, true, false}, "", "Courier", 10},
      {{"Canvas1", 54, -9, 381, 75, 6, false, false, true, true, "", "Click to see splash screen"},
       nullptr,
       nullptr,
       0},
      {{"Label1", 184, 46, 117, 20, 0, false, false, true, true, "Canvas1"}, nullptr, "System", 10},
      {{"PrintBtn", 20, 470, 80, 30, 7, false}, "Print", "System", 12},
      {{"observerstext", 20, 117, 190, 20, 8, false}, "Number of raters (2-99):", "System", 12},
      {{"casetext", 20, 145, 190, 20, 9, false}, "Number of cases (2-999):", "System", 12},
      {{"categorytext", 20, 171, 190, 20, 10, false}, "Number of categories (2-25):", "System", 12},
      {{"CanvasQ", 463, 171, 22, 41, 15, false, false, false}, nullptr, nullptr, 0},
  };
  const auto& controls = control_wnd_layout::Layout().Controls();
  ASSERT_EQ(controls.size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    SCOPED_TRACE(row.placement.name);
    const auto values = testsupport::ExpectPlacement(controls[i].properties, row.placement);
    if (row.text) {
      EXPECT_EQ(Text(values, values.count("Caption") ? "Caption" : "Value"), row.text);
    }
    if (row.fontName) {
      EXPECT_EQ(Text(values, "FontName"), row.fontName);
      EXPECT_EQ(std::get<float>(values.at("FontSize")), row.fontSize);
    }
  }
}

TEST(ControlWndLayout, ControlSpecificValues) {
  EXPECT_EQ(Integer(Values(control_wnd_layout::Layout().Control("ObserversFld").properties),
                    "MaximumCharactersAllowed"),
            2);
  EXPECT_EQ(Integer(Values(control_wnd_layout::Layout().Control("CasesFld").properties),
                    "MaximumCharactersAllowed"),
            3);
  EXPECT_EQ(Integer(Values(control_wnd_layout::Layout().Control("CatsFld").properties),
                    "MaximumCharactersAllowed"),
            2);
  const auto label = Values(control_wnd_layout::Layout().Control("Label1").properties);
  EXPECT_EQ(Text(label, "InitialParent"), "Canvas1");
  EXPECT_EQ(std::get<rt::Colour>(label.at("TextColor")), (rt::Colour{{0x06, 0x01, 0xFB, 0x00}}));
  const auto logo = Values(control_wnd_layout::Layout().Control("Canvas1").properties);
  EXPECT_EQ(Text(logo, "Tooltip"), "Click to see splash screen");
  for (const char* canvas : {"Canvas1", "CanvasQ"}) {
    int transparent = 0;
    for (const Property& property : control_wnd_layout::Layout().Control(canvas).properties) {
      if (property.name == "Transparent") {
        ++transparent;
        EXPECT_TRUE(std::get<bool>(property.value)) << canvas;
      }
    }
    EXPECT_EQ(transparent, 2) << canvas;
  }
  for (const char* button : {"ClearBtn", "CalculateBtn", "PrintBtn"}) {
    EXPECT_TRUE(
        Boolean(Values(control_wnd_layout::Layout().Control(button).properties), "Default"));
  }
  const auto report = Values(control_wnd_layout::Layout().Control("ResultsFld").properties);
  EXPECT_TRUE(Boolean(report, "Multiline"));
  EXPECT_TRUE(Boolean(report, "HasHorizontalScrollbar"));
  EXPECT_EQ(Integer(report, "MaximumCharactersAllowed"), 0);
  EXPECT_EQ(std::get<double>(report.at("LineSpacing")), 1.0);
}

}  // namespace
