#include "app/menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <vector>

#include "runtime/gui/text_field.h"
#include "tests/windows/program_fixture.h"

namespace {

using testsupport::Choose;

using ::testing::ElementsAre;

struct ItemRow {
  std::string parent;  // "bar" for a top-level menu
  std::string className;
  std::string name;
  std::string text;
  std::string commandKey;
};

std::vector<ItemRow> Flatten(const rt::MenuItem& bar) {
  std::vector<ItemRow> rows;
  for (std::size_t i = 0; i < bar.Count(); ++i) {
    const rt::MenuItem& menu = bar.Item(i);
    rows.push_back({"bar", std::string(menu.ClassName()), menu.Name().ToUtf8(),
                    menu.Text().ToUtf8(), menu.CommandKey().ToUtf8()});
    for (std::size_t j = 0; j < menu.Count(); ++j) {
      const rt::MenuItem& item = menu.Item(j);
      rows.push_back({menu.Name().ToUtf8(), std::string(item.ClassName()), item.Name().ToUtf8(),
                      item.Text().ToUtf8(), item.CommandKey().ToUtf8()});
      EXPECT_EQ(item.Count(), 0u) << item.Name().ToUtf8();
    }
  }
  return rows;
}

std::string Describe(const ItemRow& row) {
  return row.parent + " / " + row.className + " " + row.name + " \"" + row.text + "\" [" +
         row.commandKey + "]";
}

TEST(MenuBar, HoldsTheTwentyItemsInTheirOrder) {
  const std::vector<ItemRow> expected = {
      {"bar", "MenuItem", "UntitledMenu3", "", ""},
      {"bar", "MenuItem", "UntitledMenu2", "File", ""},
      {"UntitledMenu2", "QuitMenuItem", "FileQuit", "Quit", "Ctrl+Q"},
      {"UntitledMenu2", "MenuItem", "Print", "Print", "Ctrl+P"},
      {"UntitledMenu2", "MenuItem", "UntitledMenu8", "", ""},
      {"bar", "MenuItem", "UntitledMenu0", "Edit", ""},
      {"UntitledMenu0", "MenuItem", "EditUndo", "Undo", "Ctrl+Z"},
      {"UntitledMenu0", "MenuItem", "UntitledMenu1", "-", ""},
      {"UntitledMenu0", "MenuItem", "EditCut", "Cut", "Ctrl+X"},
      {"UntitledMenu0", "MenuItem", "EditCopy", "Copy", "Ctrl+C"},
      {"UntitledMenu0", "MenuItem", "EditPaste", "Paste", "Ctrl+V"},
      {"UntitledMenu0", "MenuItem", "EditClear", "", ""},
      {"UntitledMenu0", "MenuItem", "UntitledMenu7", "", ""},
      {"bar", "MenuItem", "WindowMenu", "Window", ""},
      {"WindowMenu", "MenuItem", "ControlMenuItem", "Control", ""},
      {"WindowMenu", "MenuItem", "DescriptionMenuItem", "Description", ""},
      {"WindowMenu", "MenuItem", "AboutMenuItem", "About Quorvane", ""},
      {"WindowMenu", "MenuItem", "UntitledMenu6", "", ""},
      {"WindowMenu", "AppleMenuItem", "UntitledMenu5", "", ""},
      {"bar", "MenuItem", "UntitledMenu4", "", ""},
  };
  const std::vector<ItemRow> rows = Flatten(quorvane::Menu());
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(Describe(rows[i]), Describe(expected[i])) << "row " << i + 1;
  }
}

TEST(MenuBar, EveryItemIsAutoEnabledAndVisible) {
  const rt::MenuItem& bar = quorvane::Menu();
  for (std::size_t i = 0; i < bar.Count(); ++i) {
    const rt::MenuItem& menu = bar.Item(i);
    EXPECT_TRUE(menu.AutoEnable() && menu.Visible()) << menu.Name().ToUtf8();
    for (std::size_t j = 0; j < menu.Count(); ++j) {
      EXPECT_TRUE(menu.Item(j).AutoEnable() && menu.Item(j).Visible())
          << menu.Item(j).Name().ToUtf8();
    }
  }
}

TEST(MenuBar, IsBuiltOnceAndFoundByNameNotByText) {
  ::Menu& first = quorvane::Menu();
  const std::size_t itemsBefore = Flatten(first).size();
  ::Menu& second = quorvane::Menu();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(Flatten(second).size(), itemsBefore) << "a second call builds nothing";

  const rt::MenuItem* file = first.Child("UntitledMenu2");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Text().ToUtf8(), "File");
  EXPECT_EQ(first.Child("File"), nullptr);
  EXPECT_EQ(first.Child("FileQuit"), nullptr) << "only direct children are found";
}

class MenuBarInWindows : public testsupport::ProgramFixture {
 protected:
  rt::MenuBar& Bar() override { return quorvane::Menu(); }

  // The captions of a shown menu, with "|" for a separator and the shortcut after a tab.
  static std::vector<std::string> Captions(QMenu& menu) {
    std::vector<std::string> captions;
    for (QAction* action : menu.actions()) {
      if (action->isSeparator()) {
        captions.push_back("|");
        continue;
      }
      std::string caption = action->text().toStdString();
      if (!action->shortcut().isEmpty()) {
        caption += "\t" + action->shortcut().toString(QKeySequence::PortableText).toStdString();
      }
      captions.push_back(caption);
    }
    return captions;
  }
};

TEST_F(MenuBarInWindows, EveryWindowShowsTheTitledMenusAndTheirItemsWithShortcuts) {
  for (rt::Window* window : std::vector<rt::Window*>{
           &quorvane::ControlWnd(), &quorvane::DescriptionWnd(), &quorvane::AboutWnd()}) {
    SCOPED_TRACE(window->ClassName());
    auto* bar = window->findChild<QMenuBar*>(QStringLiteral("MenuBar"));
    ASSERT_NE(bar, nullptr);
    std::vector<std::string> titles;
    for (QAction* action : bar->actions()) titles.push_back(action->text().toStdString());
    EXPECT_THAT(titles, ElementsAre("File", "Edit", "Window"));
    EXPECT_THAT(Captions(*bar->actions()[0]->menu()), ElementsAre("Quit\tCtrl+Q", "Print\tCtrl+P"));
    EXPECT_THAT(Captions(*bar->actions()[1]->menu()),
                ElementsAre("Undo\tCtrl+Z", "|", "Cut\tCtrl+X", "Copy\tCtrl+C", "Paste\tCtrl+V"));
    EXPECT_THAT(Captions(*bar->actions()[2]->menu()),
                ElementsAre("Control", "Description", "About Quorvane"));
  }
}

TEST_F(MenuBarInWindows, TheBarAddsNothingToTheWindowsContentArea) {
  ControlWnd& main = quorvane::ControlWnd();
  EXPECT_EQ(main.ContentArea()->size(), QSize(500, 520));
}

// A dialog that nobody expects (a print dialog from Print in the main window) fails the test
// through the scripted platform.
TEST_F(MenuBarInWindows, WithTheMainWindowInFrontPrintAndControlRunNoHandler) {
  ControlWnd& main = quorvane::ControlWnd();
  EXPECT_FALSE(main.HasMenuHandler("Print"));
  EXPECT_FALSE(main.HasMenuHandler("ControlMenuItem"));
  EXPECT_FALSE(main.HasMenuHandler("FileQuit"));
  quorvane::AboutWnd().Hide();
  Choose(main, "Print");
  Choose(main, "ControlMenuItem");
  EXPECT_EQ(OpenWindowsOf(DescriptionWnd::kClassName), 0);
  EXPECT_FALSE(quorvane::AboutWnd().isVisible());
  EXPECT_EQ(platform.MessagesShown().size(), 0u);

  Choose(main, "AboutMenuItem");
  EXPECT_TRUE(quorvane::AboutWnd().isVisible());
  Choose(main, "DescriptionMenuItem");
  EXPECT_EQ(OpenWindowsOf(DescriptionWnd::kClassName), 1);
  EXPECT_TRUE(quorvane::DescriptionWnd().isVisible());
}

TEST_F(MenuBarInWindows, WithTheHelpWindowInFrontControlAboutAndPrintAreAnswered) {
  DescriptionWnd& help = quorvane::DescriptionWnd();
  Choose(help, "DescriptionMenuItem");  // the help window has no handler for it
  EXPECT_EQ(OpenWindowsOf(ControlWnd::kClassName), 0);

  Choose(help, "ControlMenuItem");
  EXPECT_EQ(OpenWindowsOf(ControlWnd::kClassName), 1);
  EXPECT_TRUE(quorvane::ControlWnd().isVisible());

  quorvane::AboutWnd().Hide();
  Choose(help, "AboutMenuItem");
  EXPECT_TRUE(quorvane::AboutWnd().isVisible());

  platform.CancelPrint();
  Choose(help, "Print");
  EXPECT_TRUE(platform.AllAnswered());
}

TEST_F(MenuBarInWindows, WithTheSplashInFrontOnlyQuitDoesAnything) {
  AboutWnd& splash = quorvane::AboutWnd();
  for (const char* item : {"Print", "ControlMenuItem", "DescriptionMenuItem", "AboutMenuItem"}) {
    Choose(splash, item);
  }
  EXPECT_EQ(rt::OpenWindows().size(), 1u);
  EXPECT_TRUE(splash.isVisible());
}

TEST_F(MenuBarInWindows, QuitQuitsFromEveryWindowWithCodeZero) {
  for (rt::Window* window : std::vector<rt::Window*>{
           &quorvane::ControlWnd(), &quorvane::DescriptionWnd(), &quorvane::AboutWnd()}) {
    const int before = rt::QuitCalls();
    Choose(*window, "FileQuit");
    EXPECT_EQ(rt::QuitCalls(), before + 1) << window->ClassName();
    EXPECT_EQ(rt::LastQuitCode(), 0);
  }
}

TEST_F(MenuBarInWindows, EditItemsActOnTheFocusedTextField) {
  ControlWnd& main = quorvane::ControlWnd();
  main.CasesFld().SetText("30");
  auto* editor = qobject_cast<QLineEdit*>(main.CasesFld().Widget()->focusProxy()
                                              ? main.CasesFld().Widget()->focusProxy()
                                              : main.CasesFld().Widget());
  ASSERT_NE(editor, nullptr);
  runtimetest::ProcessEvents();
  editor->setFocus();
  editor->selectAll();
  Choose(main, "EditCut");
  EXPECT_EQ(main.CasesFld().Text().ToUtf8(), "");
  Choose(main, "EditPaste");
  Choose(main, "EditPaste");
  EXPECT_EQ(main.CasesFld().Text().ToUtf8(), "303") << "the field keeps its limit of 3";
  Choose(main, "EditUndo");
  EXPECT_EQ(main.CasesFld().Text().ToUtf8(), "30");
}

}  // namespace
