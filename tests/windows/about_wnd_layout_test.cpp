#include "windows/about_wnd_layout.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "runtime/gui/canvas.h"
#include "runtime/gui/label.h"
#include "runtime/gui/timer.h"
#include "tests/support/gui_test.h"
#include "tests/support/layout_tables.h"
#include "windows/control_wnd_layout.h"
#include "windows/copyright_notice.h"

namespace {

using testsupport::Boolean;
using testsupport::Entries;
using testsupport::Integer;
using testsupport::Names;
using testsupport::Text;
using testsupport::Values;

TEST(AboutWndLayout, TheWindowDescriptionHoldsItsValuesInOrder) {
  const std::vector<std::string> expected = {
      "Width 415",
      "Height 280",
      "MinimumWidth 64",
      "MinimumHeight 64",
      "MaximumWidth 32000",
      "MaximumHeight 32000",
      "Type 2",
      "Title \"\"",
      "HasCloseButton True",
      "HasMaximizeButton True",
      "HasMinimizeButton True",
      "HasFullScreenButton False",
      "Resizeable True",
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
  EXPECT_EQ(Entries(about_wnd_layout::Layout().Window()), expected);
  EXPECT_EQ(Names(about_wnd_layout::Layout().Window()),
            Names(control_wnd_layout::Layout().Window()));
}

TEST(AboutWndLayout, TheControlsAreMadeInOrder) {
  std::string names;
  for (const auto& control : about_wnd_layout::Layout().Controls())
    names += std::string(control.name) + ' ';
  EXPECT_EQ(names, "Canvas1 StaticText5 Timer1 Canvas2 ");
  EXPECT_THROW(about_wnd_layout::Layout().Control("Label1"), std::out_of_range);
}

TEST(AboutWndLayout, EachPlacedControlDecodesToItsValues) {
  struct Row {
    testsupport::ExpectedPlacement placement;
    bool transparent;
  };
  const Row rows[] = {
      {{"Canvas1", 20, 33, 378, 71, 0, false}, true},
      {{"StaticText5", 0, 240, 415, 20, 1, false}, false},
      {{"Canvas2", 174, 124, 66, 66, 2, true}, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.placement.name);
    const auto values = testsupport::ExpectPlacement(
        about_wnd_layout::Layout().Control(row.placement.name).properties, row.placement);
    EXPECT_EQ(Boolean(values, "Transparent"), row.transparent);
  }
}

TEST(AboutWndLayout, EachClassListsItsPropertiesAsTheMainWindowDoes) {
  const auto& canvas = control_wnd_layout::Layout().Control("Canvas1").properties;
  EXPECT_EQ(Names(about_wnd_layout::Layout().Control("Canvas1").properties), Names(canvas));
  EXPECT_EQ(Names(about_wnd_layout::Layout().Control("Canvas2").properties), Names(canvas));
  EXPECT_EQ(Names(about_wnd_layout::Layout().Control("StaticText5").properties),
            Names(control_wnd_layout::Layout().Control("Label1").properties));
}

TEST(AboutWndLayout, TheNoticeIsCentredInTheCreditsColour) {
  const auto notice = Values(about_wnd_layout::Layout().Control("StaticText5").properties);
  EXPECT_EQ(Text(notice, "Value"),
            "Copyright (c) 2002-2020 the Quorvane team. All rights reserved.");
  EXPECT_EQ(Integer(notice, "TextAlignment"), 2);
  EXPECT_EQ(Text(notice, "FontName"), "System");
  EXPECT_EQ(std::get<float>(notice.at("FontSize")), 11.0f);
  EXPECT_EQ(std::get<rt::FontUnit>(notice.at("FontUnit")), rt::FontUnit{0});
  EXPECT_FALSE(Boolean(notice, "Bold"));
  EXPECT_FALSE(Boolean(notice, "Italic"));
  EXPECT_FALSE(Boolean(notice, "Underline"));
  EXPECT_EQ(std::get<rt::Colour>(notice.at("TextColor")), (rt::Colour{{0x06, 0x01, 0xFB, 0x00}}));
  EXPECT_EQ(notice.at("TextColor"),
            Values(control_wnd_layout::Layout().Control("Label1").properties).at("TextColor"));
  EXPECT_FALSE(Boolean(notice, "Multiline"));
  EXPECT_FALSE(Boolean(notice, "Selectable"));
  EXPECT_EQ(Text(notice, "DataField"), "");
  EXPECT_EQ(Text(notice, "DataSource"), "");
}

TEST(AboutWndLayout, TheCanvasesTakeNoFocusButDrawARing) {
  for (const char* name : {"Canvas1", "Canvas2"}) {
    SCOPED_TRACE(name);
    const auto canvas = Values(about_wnd_layout::Layout().Control(name).properties);
    EXPECT_FALSE(Boolean(canvas, "AllowFocus"));
    EXPECT_TRUE(Boolean(canvas, "AllowFocusRing"));
    EXPECT_FALSE(Boolean(canvas, "AllowTabs"));
    EXPECT_FALSE(Boolean(canvas, "DoubleBuffer"));
  }
}

TEST(AboutWndLayout, TheTimerFiresOnceFourSecondsAfterItStarts) {
  const std::vector<std::string> expected = {"Name \"Timer1\"", "Index -2147483648", "Period 4000",
                                             "RunMode 1"};
  EXPECT_EQ(Entries(about_wnd_layout::Layout().Control("Timer1").properties), expected);
}

// The descriptions applied to the runtime's own classes, as the window class applies them: a
// property name the runtime does not take raises here.
class AboutWndLayoutInTheRuntime : public testsupport::GuiTest {};

TEST_F(AboutWndLayoutInTheRuntime, TheRuntimeTakesEveryDescription) {
  rt::Window window("AboutWndLayoutTest");
  ASSERT_NO_THROW(window.SetProperties(rt::EncodeLayout(about_wnd_layout::Layout().Window())));
  EXPECT_EQ(window.Title().ToUtf8(), "");
  using testsupport::BuildControl;
  ASSERT_NO_THROW(BuildControl<rt::Canvas>(window, about_wnd_layout::Layout().Control("Canvas1")));
  rt::Label* notice = nullptr;
  ASSERT_NO_THROW(
      notice = &BuildControl<rt::Label>(window, about_wnd_layout::Layout().Control("StaticText5")));
  rt::Timer* timer = nullptr;
  ASSERT_NO_THROW(
      timer = &BuildControl<rt::Timer>(window, about_wnd_layout::Layout().Control("Timer1")));
  ASSERT_NO_THROW(BuildControl<rt::Canvas>(window, about_wnd_layout::Layout().Control("Canvas2")));

  EXPECT_EQ(notice->Text(), CopyrightNotice());
  EXPECT_EQ(timer->Period(), 4000);
  EXPECT_EQ(timer->RunMode(), rt::Timer::kSingle);
  platform.AdvanceClock(3999);
  EXPECT_EQ(timer->RunMode(), rt::Timer::kSingle) << "not yet due";
  platform.AdvanceClock(1);
  EXPECT_EQ(timer->RunMode(), rt::Timer::kOff) << "fired once and spent";
}

}  // namespace
