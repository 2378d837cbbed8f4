#include "windows/description_wnd_layout.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "runtime/gui/label.h"
#include "runtime/gui/push_button.h"
#include "runtime/gui/text_area.h"
#include "tests/support/gui_test.h"
#include "tests/support/layout_tables.h"
#include "windows/control_wnd_layout.h"
#include "windows/help_text.h"

namespace {

using testsupport::Boolean;
using testsupport::Entries;
using testsupport::Integer;
using testsupport::Names;
using testsupport::Text;
using testsupport::Values;

const rt::Colour kWhite{{0xFF, 0xFF, 0xFF, 0x00}};
const rt::Colour kBlack{{0x00, 0x00, 0x00, 0x00}};

TEST(DescriptionWndLayout, TheWindowDescriptionHoldsItsValuesInOrder) {
  const std::vector<std::string> expected = {
      "Width 485",
      "Height 525",
      "MinimumWidth 64",
      "MinimumHeight 64",
      "MaximumWidth 600",
      "MaximumHeight 600",
      "Type 0",
      "Title \"Description\"",
      "HasCloseButton True",
      "HasMaximizeButton False",
      "HasMinimizeButton False",
      "HasFullScreenButton False",
      "Resizeable False",
      "FullScreen False",
      "DefaultLocation 0",
      "Visible True",
      "HasBackgroundColor True",
      "BackgroundColor FF FF FF 00",
      "MenuBarVisible True",
      "Composite False",
      "MacProcID 0",
      "LiveResize False",
  };
  EXPECT_EQ(Entries(description_wnd_layout::Layout().Window()), expected);
}

TEST(DescriptionWndLayout, TheControlsAreMadeInOrder) {
  std::string names;
  for (const auto& control : description_wnd_layout::Layout().Controls()) {
    names += std::string(control.name) + ' ';
  }
  EXPECT_EQ(names, "DescribeFld DescribeFld2 c2002 PrintBtn ");
  EXPECT_THROW(description_wnd_layout::Layout().Control("ResultsFld"), std::out_of_range);
}

TEST(DescriptionWndLayout, EachControlDecodesToItsValues) {
  struct Row {
    testsupport::ExpectedPlacement placement;
    bool transparent;
    const char* textProperty;
    std::string text;
    const char* fontName;
    float fontSize;
  };
  const Row rows[] = {
      {{"DescribeFld", -1, -1, 485, 498, 0, true, true}, true, "Value", "\r\n", "Courier", 10},
      {{"DescribeFld2", -1, -1, 485, 500, 1, false},
       true,
       "Value",
       HelpText().ToUtf8(),
       "Courier",
       11},
      {{"c2002", 112, 499, 353, 24, 3, false, true},
       false,
       "Value",
       "Copyright (c) 2002-2020 the Quorvane team. All rights reserved.",
       "Times",
       11},
      {{"PrintBtn", 11, 503, 69, 20, 2, true}, true, "Caption", "Print", "System", 12},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.placement.name);
    const auto values = testsupport::ExpectPlacement(
        description_wnd_layout::Layout().Control(row.placement.name).properties, row.placement);
    EXPECT_EQ(Boolean(values, "Transparent"), row.transparent);
    EXPECT_EQ(Text(values, row.textProperty), row.text);
    EXPECT_EQ(Text(values, "FontName"), row.fontName);
    EXPECT_EQ(std::get<float>(values.at("FontSize")), row.fontSize);
    EXPECT_EQ(std::get<rt::FontUnit>(values.at("FontUnit")), rt::FontUnit{0});
    EXPECT_FALSE(Boolean(values, "Bold"));
    EXPECT_FALSE(Boolean(values, "Italic"));
    EXPECT_FALSE(Boolean(values, "Underline"));
  }
}

TEST(DescriptionWndLayout, TheHelpTextAreaTakesEditsAndStyledTextTheHiddenOneNeither) {
  struct Row {
    const char* name;
    bool readOnly, allowStyledText;
  };
  for (const Row& row : {Row{"DescribeFld", true, false}, Row{"DescribeFld2", false, true}}) {
    SCOPED_TRACE(row.name);
    const auto area = Values(description_wnd_layout::Layout().Control(row.name).properties);
    EXPECT_EQ(Boolean(area, "ReadOnly"), row.readOnly);
    EXPECT_EQ(Boolean(area, "AllowStyledText"), row.allowStyledText);
    EXPECT_TRUE(Boolean(area, "Multiline"));
    EXPECT_TRUE(Boolean(area, "HasVerticalScrollbar"));
    EXPECT_FALSE(Boolean(area, "HasHorizontalScrollbar"));
    EXPECT_TRUE(Boolean(area, "HasBorder"));
    EXPECT_TRUE(Boolean(area, "HideSelection"));
    EXPECT_FALSE(Boolean(area, "AllowTabs"));
    EXPECT_FALSE(Boolean(area, "AllowFocusRing"));
    EXPECT_FALSE(Boolean(area, "AllowSpellChecking"));
    EXPECT_EQ(Integer(area, "MaximumCharactersAllowed"), 0);
    EXPECT_EQ(std::get<double>(area.at("LineSpacing")), 1.0);
    EXPECT_EQ(std::get<double>(area.at("LineHeight")), 0.0);
    EXPECT_EQ(Integer(area, "TextAlignment"), 0);
    EXPECT_EQ(std::get<rt::Colour>(area.at("TextColor")), kBlack);
    EXPECT_EQ(std::get<rt::Colour>(area.at("BackgroundColor")), kWhite);
    for (const char* empty : {"Format", "ValidationMask", "DataField", "DataSource"}) {
      EXPECT_EQ(Text(area, empty), "") << empty;
    }
  }
}

TEST(DescriptionWndLayout, TheNoticeAndTheButton) {
  const auto notice = Values(description_wnd_layout::Layout().Control("c2002").properties);
  EXPECT_EQ(Integer(notice, "TextAlignment"), 0);
  EXPECT_EQ(std::get<rt::Colour>(notice.at("TextColor")), kBlack);
  EXPECT_FALSE(Boolean(notice, "Multiline"));
  EXPECT_FALSE(Boolean(notice, "Selectable"));
  EXPECT_EQ(Text(notice, "DataField"), "");
  EXPECT_EQ(Text(notice, "DataSource"), "");

  const auto button = Values(description_wnd_layout::Layout().Control("PrintBtn").properties);
  EXPECT_TRUE(Boolean(button, "Default"));
  EXPECT_FALSE(Boolean(button, "Cancel"));
  EXPECT_EQ(Integer(button, "MacButtonStyle"), 0);
}

TEST(DescriptionWndLayout, EachClassListsItsPropertiesAsTheMainWindowDoes) {
  EXPECT_EQ(Names(description_wnd_layout::Layout().Window()),
            Names(control_wnd_layout::Layout().Window()));
  const auto& area = control_wnd_layout::Layout().Control("ResultsFld").properties;
  EXPECT_EQ(Names(description_wnd_layout::Layout().Control("DescribeFld").properties), Names(area));
  EXPECT_EQ(Names(description_wnd_layout::Layout().Control("DescribeFld2").properties),
            Names(area));
  EXPECT_EQ(Names(description_wnd_layout::Layout().Control("c2002").properties),
            Names(control_wnd_layout::Layout().Control("Label1").properties));
  EXPECT_EQ(Names(description_wnd_layout::Layout().Control("PrintBtn").properties),
            Names(control_wnd_layout::Layout().Control("PrintBtn").properties));
}

// The descriptions applied to the runtime's own classes, as the window class applies them: a
// property name the runtime does not take raises here.
class DescriptionWndLayoutInTheRuntime : public testsupport::GuiTest {};

TEST_F(DescriptionWndLayoutInTheRuntime, TheRuntimeTakesEveryDescription) {
  using testsupport::BuildControl;
  rt::Window window("DescriptionWndLayoutTest");
  ASSERT_NO_THROW(
      window.SetProperties(rt::EncodeLayout(description_wnd_layout::Layout().Window())));
  EXPECT_EQ(window.Title().ToUtf8(), "Description");
  rt::TextArea* hidden = nullptr;
  rt::TextArea* help = nullptr;
  rt::PushButton* print = nullptr;
  ASSERT_NO_THROW(hidden = &BuildControl<rt::TextArea>(
                      window, description_wnd_layout::Layout().Control("DescribeFld")));
  ASSERT_NO_THROW(help = &BuildControl<rt::TextArea>(
                      window, description_wnd_layout::Layout().Control("DescribeFld2")));
  ASSERT_NO_THROW(
      BuildControl<rt::Label>(window, description_wnd_layout::Layout().Control("c2002")));
  ASSERT_NO_THROW(print = &BuildControl<rt::PushButton>(
                      window, description_wnd_layout::Layout().Control("PrintBtn")));

  EXPECT_EQ(hidden->Text().ToUtf8(), "\r\n");
  EXPECT_EQ(help->Text(), HelpText());
  EXPECT_EQ(window.DefaultButton(), print);
}

}  // namespace
