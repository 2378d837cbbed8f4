#include "app/menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "runtime/gui/open_windows.h"
#include "runtime/gui/quit.h"
#include "runtime/gui/text_area.h"
#include "runtime/gui/text_field.h"
#include "tests/windows/program_fixture.h"
#include "windows/help_text.h"

namespace {

using testsupport::Choose;
using testsupport::MenuAction;
using testsupport::MenuBarOf;

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

  // Whether the item reads enabled in its menu as the user opens it in `window`.
  static bool EnabledWhenOpened(rt::Window& window, const char* name) {
    QAction* action = MenuAction(window, name);
    QMenu* menu = action != nullptr ? testsupport::OpenMenuOf(window, *action) : nullptr;
    if (menu == nullptr) {
      ADD_FAILURE() << "no item " << name;
      return false;
    }
    const bool enabled = action->isEnabled();
    menu->hide();
    return enabled;
  }

  static void SelectAllOf(rt::TextField& field) {
    field.SetFocus();
    qobject_cast<QLineEdit*>(field.Widget())->selectAll();
  }

  // Focuses the main window's report area with "kappa" selected in it, as the program selects.
  static void SelectInReport(ControlWnd& main, bool readOnly = false) {
    main.ResultsFld().SetEnabled(true);
    main.ResultsFld().SetText("kappa = 0.430");
    if (readOnly) main.ResultsFld().SetReadOnly(true);
    main.ResultsFld().SetSelectionStart(0);
    main.ResultsFld().SetSelectionLength(5);
    main.ResultsFld().SetFocus();
  }
};

TEST_F(MenuBarInWindows, EveryWindowShowsTheTitledMenusAndTheirItemsWithShortcuts) {
  for (rt::Window* window : std::vector<rt::Window*>{
           &quorvane::ControlWnd(), &quorvane::DescriptionWnd(), &quorvane::AboutWnd()}) {
    SCOPED_TRACE(window->ClassName());
    QMenuBar* bar = MenuBarOf(*window);
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

// An item reads enabled only when choosing it would do something in the front window: a handler
// of its name there, Quit, or an edit the focused text control can make now.
TEST_F(MenuBarInWindows, AnItemIsEnabledOnlyWhenChoosingItDoesSomething) {
  using Arrange = std::function<rt::Window&()>;
  struct Row {
    const char* name;
    Arrange arrange;
    std::vector<std::pair<const char*, bool>> items;
  };
  const auto mainWindow = []() -> ControlWnd& {
    QGuiApplication::clipboard()->clear();
    ControlWnd& main = quorvane::ControlWnd();
    main.CasesFld().SetFocus();
    return main;
  };
  const Row rows[] = {
      {"main window",
       mainWindow,
       {{"FileQuit", true},
        {"Print", false},
        {"ControlMenuItem", false},
        {"DescriptionMenuItem", true},
        {"AboutMenuItem", true}}},
      {"help window",
       []() -> rt::Window& { return quorvane::DescriptionWnd(); },
       {{"FileQuit", true},
        {"Print", true},
        {"ControlMenuItem", true},
        {"DescriptionMenuItem", false},
        {"AboutMenuItem", true}}},
      {"splash window, text on the clipboard",
       []() -> rt::Window& {
         QGuiApplication::clipboard()->setText(QStringLiteral("12"));
         return quorvane::AboutWnd();
       },
       {{"FileQuit", true},
        {"Print", false},
        {"ControlMenuItem", false},
        {"DescriptionMenuItem", false},
        {"AboutMenuItem", false},
        {"EditUndo", false},
        {"EditCut", false},
        {"EditCopy", false},
        {"EditPaste", false}}},
      {"empty count field focused, clipboard empty",
       mainWindow,
       {{"EditUndo", false}, {"EditCut", false}, {"EditCopy", false}, {"EditPaste", false}}},
      {"count field with its text selected",
       [&]() -> rt::Window& {
         ControlWnd& main = mainWindow();
         main.CasesFld().SetText("30");
         SelectAllOf(main.CasesFld());
         return main;
       },
       {{"EditUndo", false}, {"EditCut", true}, {"EditCopy", true}, {"EditPaste", false}}},
      {"count field, text on the clipboard",
       [&]() -> rt::Window& {
         rt::Window& main = mainWindow();
         QGuiApplication::clipboard()->setText(QStringLiteral("12"));
         return main;
       },
       {{"EditCut", false}, {"EditCopy", false}, {"EditPaste", true}}},
      {"count field after the user typed in it",
       [&]() -> rt::Window& {
         ControlWnd& main = mainWindow();
         runtimetest::TypeText(main.CasesFld().Widget(), "4");
         return main;
       },
       {{"EditUndo", true}, {"EditCut", false}}},
      {"a button focused, text on the clipboard",
       [&]() -> rt::Window& {
         ControlWnd& main = mainWindow();
         QGuiApplication::clipboard()->setText(QStringLiteral("12"));
         main.CalculateBtn().SetFocus();
         return main;
       },
       {{"EditCopy", false}, {"EditPaste", false}}},
      {"report area with a selection the program made just now",
       [&]() -> rt::Window& {
         ControlWnd& main = mainWindow();
         SelectInReport(main);
         return main;
       },
       {{"EditCut", true}, {"EditCopy", true}}},
      {"read-only report area with a selection, text on the clipboard",
       [&]() -> rt::Window& {
         ControlWnd& main = mainWindow();
         QGuiApplication::clipboard()->setText(QStringLiteral("12"));
         SelectInReport(main, /*readOnly=*/true);
         return main;
       },
       {{"EditUndo", false}, {"EditCut", false}, {"EditCopy", true}, {"EditPaste", false}}},
      {"help text focused, text on the clipboard",
       []() -> rt::Window& {
         QGuiApplication::clipboard()->setText(QStringLiteral("12"));
         DescriptionWnd& help = quorvane::DescriptionWnd();
         help.DescribeFld2().SetFocus();
         return help;
       },
       {{"EditCopy", false}, {"EditPaste", true}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    rt::Window& window = row.arrange();
    runtimetest::ProcessEvents();
    for (const auto& [item, enabled] : row.items) {
      EXPECT_EQ(EnabledWhenOpened(window, item), enabled) << item;
    }
    GuiTest::TearDown();
  }
  QGuiApplication::clipboard()->clear();
}

// A shortcut sees the items as the menu would show them at that moment; the shortcut of a greyed
// item does nothing at all, not even count as a key press in the window.
TEST_F(MenuBarInWindows, AShortcutDoesWhatItsItemWouldDoAtThatMoment) {
  ControlWnd& main = quorvane::ControlWnd();
  quorvane::AboutWnd().Hide();
  main.Show();
  main.CasesFld().SetFocus();
  runtimetest::ProcessEvents();
  QAction* print = MenuAction(main, "Print");
  ASSERT_NE(print, nullptr);
  ASSERT_TRUE(print->isEnabled()) << "no menu has been opened yet";
  QTest::keyClick(main.CasesFld().Widget(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_FALSE(print->isEnabled()) << "brought up to date by the shortcut";
  EXPECT_EQ(main.CasesFld().Text().ToUtf8(), "");
  EXPECT_EQ(platform.Beeps(), 0);
  EXPECT_FALSE(quorvane::AboutWnd().isVisible());
  EXPECT_EQ(OpenWindowsOf(DescriptionWnd::kClassName), 0);

  // Copy with a selection in the report area still copies.
  SelectInReport(main);
  runtimetest::ProcessEvents();
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(main.ResultsFld().Widget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "kappa");
  QGuiApplication::clipboard()->clear();

  // Quit is always answered.
  const int quitsBefore = rt::QuitCalls();
  QTest::keyClick(main.CasesFld().Widget(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(rt::QuitCalls(), quitsBefore + 1);

  // The help window prints on Ctrl+P.
  DescriptionWnd& help = quorvane::DescriptionWnd();
  help.Show();
  help.DescribeFld2().SetFocus();
  runtimetest::ProcessEvents();
  platform.CancelPrint();
  QTest::keyClick(help.DescribeFld2().Widget(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(platform.AllAnswered());
}

// The report and the help text are the program's writing, not the user's: Ctrl+Z and Edit > Undo
// take back only what the user has done since, and Undo reads greyed until the user has done
// something.
TEST_F(MenuBarInWindows, UndoTakesBackOnlyWhatTheUserDid) {
  ControlWnd& main = quorvane::ControlWnd();
  quorvane::AboutWnd().Hide();
  main.ObserversFld().SetText("6");
  main.CasesFld().SetText("30");
  main.CatsFld().SetText("5");
  platform.AnswerOpenFile(std::filesystem::path(QUORVANE_TEST_DATA) / "fleiss1971.txt");
  main.CalculateBtn().Push();
  platform.AnswerOpenFile(std::filesystem::path(QUORVANE_TEST_DATA) / "fleiss1971.txt");
  main.CalculateBtn().Push();
  const rt::String report = main.ResultsFld().Text();

  DescriptionWnd& help = quorvane::DescriptionWnd();
  struct Row {
    const char* name;
    rt::Window& window;
    rt::TextArea& area;
    rt::String text;
  };
  const Row rows[] = {
      {"the report after two runs", main, main.ResultsFld(), report},
      {"a new help window", help, help.DescribeFld2(), HelpText()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    row.window.Show();
    row.area.SetFocus();
    runtimetest::ProcessEvents();
    QWidget* editor = row.area.Widget();
    EXPECT_FALSE(EnabledWhenOpened(row.window, "EditUndo"));
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    Choose(row.window, "EditUndo");
    EXPECT_EQ(row.area.Text(), row.text);

    QTest::keyClick(editor, Qt::Key_Q);
    EXPECT_NE(row.area.Text(), row.text);
    EXPECT_TRUE(EnabledWhenOpened(row.window, "EditUndo"));
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row.area.Text(), row.text) << "the user's own edit is taken back";
    EXPECT_FALSE(EnabledWhenOpened(row.window, "EditUndo"));

    QTest::keyClick(editor, Qt::Key_W);
    Choose(row.window, "EditUndo");
    EXPECT_EQ(row.area.Text(), row.text) << "and from the Edit menu";
  }
  EXPECT_EQ(platform.Beeps(), 0);
}

TEST_F(MenuBarInWindows, TheShortcutOfAGreyedItemLeavesTheSplashShown) {
  AboutWnd& splash = quorvane::AboutWnd();
  runtimetest::ProcessEvents();
  for (const Qt::Key key : {Qt::Key_P, Qt::Key_C, Qt::Key_V, Qt::Key_Z}) {
    QTest::keyClick(&splash, key, Qt::ControlModifier);
    EXPECT_TRUE(splash.isVisible()) << QKeySequence(key).toString().toStdString();
  }
  EXPECT_EQ(OpenWindowsOf(ControlWnd::kClassName), 0);
  const int quitsBefore = rt::QuitCalls();
  QTest::keyClick(&splash, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(rt::QuitCalls(), quitsBefore + 1);
  EXPECT_TRUE(splash.isVisible());
}

}  // namespace
