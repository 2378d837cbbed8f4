#include <gmock/gmock.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>
#include <functional>
#include <vector>

#include "runtime/core/text_functions.h"
#include "runtime/gui/qt_text.h"
#include "runtime/gui/standard_edit.h"
#include "runtime/gui/window_registry.h"
#include "tests/support/runtime_test_windows.h"

namespace runtimetest {
namespace {

const QString kGrin = QString::fromUcs4(U"\U0001F600", 1);  // outside the Basic Multilingual Plane
const rt::String kGrinText = rt::String::FromUtf8("\xF0\x9F\x98\x80");

// Every way a user's text reaches a text control.
enum class Way { kTyped, kPasteKey, kEditMenuPaste, kEditorPaste, kDrop, kInputMethod };

struct WayIn {
  Way way;
  const char* name;
};

const WayIn kWaysIn[] = {
    {Way::kTyped, "typed"},
    {Way::kPasteKey, "pasted with Ctrl+V"},
    {Way::kEditMenuPaste, "pasted from the Edit menu"},
    {Way::kEditorPaste, "pasted by the editor's own paste, as its context menu does"},
    {Way::kDrop, "dropped"},
    {Way::kInputMethod, "committed by an input method"},
};

// Where a drop is let go: the widget under the pointer and the point in it.
struct Drop {
  QWidget* on;
  QPoint at;
};

// Puts `text` into the control by that way; the control's own Qt editor takes the keys.
template <class Control>
void Enter(Way way, rt::Window& window, Control& control, const Drop& drop, const QString& text) {
  auto& editor = control.Editor();
  switch (way) {
    case Way::kTyped:
      TypeText(&editor, text);
      break;
    case Way::kPasteKey:
      QGuiApplication::clipboard()->setText(text);
      PressKey(&editor, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
      break;
    case Way::kEditMenuPaste:
      // The Edit menu pastes into whichever control has the focus.
      QGuiApplication::clipboard()->setText(text);
      control.SetFocus();
      rt::DoStandardEdit(window, "EditPaste");
      break;
    case Way::kEditorPaste:
      QGuiApplication::clipboard()->setText(text);
      editor.paste();
      break;
    case Way::kDrop: {
      QMimeData data;
      data.setText(text);
      QDragEnterEvent enter(drop.at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(drop.on, &enter);
      QDropEvent dropped(QPointF(drop.at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(drop.on, &dropped);
      break;
    }
    case Way::kInputMethod: {
      QInputMethodEvent commit;
      commit.setCommitString(text);
      QCoreApplication::sendEvent(&editor, &commit);
      break;
    }
  }
}

// One case for every way in. Typing takes each key on its own, so a key that does not fit
// leaves room for a later one; text that arrives at once is cut where it stops fitting.
struct LimitCase {
  const char* name;
  rt::String before;  // set by the program; the caret is at its end
  std::int64_t limit;
  QString entered;
  rt::String typed;
  rt::String inserted;
};

class CharacterLimitTest : public RuntimeTest {
 protected:
  void SetUp() override {
    FormWnd::Register();
    window = &rt::GetOrCreateWindow<FormWnd>(FormWnd::kClassName);
    // The count field's key filter drops "x"; none of the cases types one.
    window->droppedKeys.clear();
    ProcessEvents();
  }

  // Enters every case's text in every way in. `arrange` gives the control the case's text and
  // limit with the caret at the end, and says where a drop at the end of the text lands.
  template <class Control>
  void ExpectEveryWayInKeepsTheLimit(Control& control, const std::vector<LimitCase>& cases,
                                     const std::function<Drop(const LimitCase&)>& arrange) {
    for (const WayIn& wayIn : kWaysIn) {
      for (const LimitCase& row : cases) {
        Enter(wayIn.way, *window, control, arrange(row), row.entered);

        const rt::String& expected = wayIn.way == Way::kTyped ? row.typed : row.inserted;
        EXPECT_EQ(control.Text(), expected) << row.name << ", " << wayIn.name;
        EXPECT_LE(rt::Len(control.Text()), row.limit) << row.name << ", " << wayIn.name;
      }
    }
  }

  FormWnd* window = nullptr;
};

TEST_F(CharacterLimitTest, WhatTheUserPutsInATextAreaNeverTakesItsLengthPastTheLimit) {
  const rt::String crLf = "\r\n";
  const std::vector<LimitCase> cases = {
      {"plain characters stop at the limit", "a", 3, "bcd", "abc", "abc"},
      {"plain characters that fit are all kept", "a", 5, "bcd", "abcd", "abcd"},
      {"a line end is stored as CR LF, two characters", "ab", 3, "\n", "ab", "ab"},
      {"a line end that fits", "ab", 4, "\r\n", "ab" + crLf, "ab" + crLf},
      {"a tab counts once", "ab", 3, "\t\t", "ab\t", "ab\t"},
      {"a tab in a full area", "abc", 3, "\t", "abc", "abc"},
      {"a character beyond the basic plane counts once", "ab", 3, kGrin + kGrin, "ab" + kGrinText,
       "ab" + kGrinText},
      {"a character beyond the basic plane in a full area", "abc", 3, kGrin, "abc", "abc"},
      {"a character beyond the basic plane is never split", "", 2, "b" + kGrin + "c",
       "b" + kGrinText, "b" + kGrinText},
      {"CR LF is never split", "", 3, "ab\r\ncd", "abc", "ab"},
      {"CR LF counts two", "", 5, "ab\r\ncd", "ab" + crLf + "c", "ab" + crLf + "c"},
      {"a lone LF is stored as CR LF", "", 4, "ab\ncd", "ab" + crLf, "ab" + crLf},
      {"a lone CR is stored as CR LF", "", 4, "ab\rcd", "ab" + crLf, "ab" + crLf},
      {"a lone LF the program set counts as the CR LF an edit makes of it", "a\nb", 5, "cd",
       "a" + crLf + "bc", "a" + crLf + "bc"},
      {"line ends and a wide character that all fit", "", 9, "a\r\nb\n" + kGrin + "c",
       "a" + crLf + "b" + crLf + kGrinText + "c", "a" + crLf + "b" + crLf + kGrinText + "c"},
  };
  rt::TextArea& area = window->ReportFld();
  ExpectEveryWayInKeepsTheLimit(area, cases, [&](const LimitCase& row) {
    area.SetProperties(Encode({Integer("MaximumCharactersAllowed", row.limit),
                               Boolean("AllowTabs", true), Boolean("Enabled", true)}));
    area.SetText(row.before);
    area.SetSelectionStart(row.before.Length());
    QWidget* viewport = area.Editor().viewport();
    // Below the last line: a drop there lands at the end of the text.
    return Drop{viewport, {viewport->width() - 2, viewport->height() - 2}};
  });
}

TEST_F(CharacterLimitTest, WhatTheUserPutsInATextFieldNeverTakesItsLengthPastTheLimit) {
  // A field keeps line ends that arrive with the text as they are; typing Return or Tab puts
  // nothing in it.
  const std::vector<LimitCase> cases = {
      {"plain characters stop at the limit", "1", 3, "234", "123", "123"},
      {"plain characters that fit are all kept", "1", 5, "234", "1234", "1234"},
      {"a character beyond the basic plane counts once", "1", 3, kGrin + kGrin,
       "1" + kGrinText + kGrinText, "1" + kGrinText + kGrinText},
      {"a character beyond the basic plane in a full field", "12", 2, kGrin, "12", "12"},
      {"a character beyond the basic plane is never split", "", 2, "1" + kGrin + "2",
       "1" + kGrinText, "1" + kGrinText},
      {"CR LF counts two", "", 4, "12\r\n34", "1234", "12\r\n"},
      {"CR LF is never split", "", 3, "12\r\n34", "123", "12"},
      {"a lone LF counts once", "", 3, "12\n34", "123", "12\n"},
      {"Return and Tab typed put nothing in, pasted count once each", "1", 3, "\r\t2", "12",
       "1\r\t"},
  };
  rt::TextField& field = window->CountFld();
  ExpectEveryWayInKeepsTheLimit(field, cases, [&](const LimitCase& row) {
    field.SetMaximumCharactersAllowed(row.limit);
    field.SetText(row.before);
    QLineEdit& editor = field.Editor();
    editor.setFocus();
    editor.end(false);
    return Drop{&editor, {editor.width() - 2, editor.height() / 2}};
  });
}

// A drop that moves its text takes it from its source: a drop that goes in only in part must
// leave the source all it had, and so must one that does not go in at all.
TEST_F(CharacterLimitTest, OnlyADropThatGoesInWholeTakesItsTextFromItsSource) {
  enum class Into { kField, kArea };
  struct Row {
    const char* name;
    Into into;
    rt::String before;  // the target's text, at the end of which the text is dropped
    std::int64_t limit;
    QString dragged;
    rt::String after;
    QString sourceKeeps;
    Qt::DropAction answer;
    Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
  };
  const Row rows[] = {
      {"into a field with room: moved", Into::kField, "", 3, "45", "45", "", Qt::MoveAction},
      {"into a field, cut to the room left: copied", Into::kField, "1", 3, "Overall", "1Ov",
       "Overall", Qt::CopyAction},
      {"into a full field: refused", Into::kField, "123", 3, "4", "123", "4", Qt::IgnoreAction},
      {"into an area with room: moved", Into::kArea, "ab", 5, "cd", "abcd", "", Qt::MoveAction},
      {"into an area, cut to the room left: copied", Into::kArea, "ab", 4, "cdef", "abcd", "cdef",
       Qt::CopyAction},
      {"into a full area: refused", Into::kArea, "abcd", 4, "ef", "abcd", "ef", Qt::IgnoreAction},
      {"a source that only moves, with room: moved", Into::kField, "1", 3, "23", "123", "",
       Qt::MoveAction, Qt::MoveAction},
      {"a source that only moves, cut to the room left: refused", Into::kField, "1", 3, "234", "1",
       "234", Qt::IgnoreAction, Qt::MoveAction},
      {"an area with no limit takes the drop whole", Into::kArea, "ab", 0, "cdef", "abcdef", "",
       Qt::MoveAction},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    rt::TextArea& area = window->ReportFld();
    area.SetProperties(Encode({Boolean("Enabled", true)}));
    rt::TextField& field = window->CountFld();
    QWidget* source = nullptr;
    QWidget* target = nullptr;
    QPoint at;
    if (row.into == Into::kField) {
      area.SetProperties(Encode({Integer("MaximumCharactersAllowed", 0)}));
      area.SetText(rt::FromQString(row.dragged));
      area.SetSelectionStart(0);
      area.SetSelectionLength(rt::Len(area.Text()));
      source = &area.Editor();
      field.SetMaximumCharactersAllowed(row.limit);
      field.SetText(row.before);
      target = &field.Editor();
      at = {target->width() - 2, target->height() / 2};
    } else {
      field.SetMaximumCharactersAllowed(0);
      field.SetText(rt::FromQString(row.dragged));
      field.Editor().selectAll();
      source = &field.Editor();
      area.SetProperties(Encode({Integer("MaximumCharactersAllowed", row.limit)}));
      area.SetText(row.before);
      target = area.Editor().viewport();
      at = {target->width() - 2, target->height() - 2};
    }
    const DropAnswers answers = DragSelection(source, target, at, row.offered);
    EXPECT_EQ(answers.dropped, row.answer);
    EXPECT_EQ(answers.whileMoving, row.answer) << "the drag shows how the drop will end";
    const rt::String targetText = row.into == Into::kField ? field.Text() : area.Text();
    const rt::String sourceText = row.into == Into::kField ? area.Text() : field.Text();
    EXPECT_EQ(targetText, row.after);
    EXPECT_EQ(sourceText, rt::FromQString(row.sourceKeeps));
  }
}

TEST_F(CharacterLimitTest, TextThatIsReplacedMakesRoomByWhatItHeld) {
  rt::TextArea& area = window->ReportFld();
  area.SetProperties(Encode({Integer("MaximumCharactersAllowed", 6), Boolean("Enabled", true)}));
  area.SetText("ab\r\ncd");
  area.SetSelectionStart(1);
  area.SetSelectionLength(4);  // "b", CR LF, "c"
  QGuiApplication::clipboard()->setText(kGrin + "\n1234");
  area.Editor().paste();
  EXPECT_EQ(area.Text(), "a" + kGrinText + "\r\n1d");

  rt::TextField& field = window->CasesFld();  // limit 3
  field.SetText("1" + kGrinText + "3");
  field.Editor().setSelection(1, 2);  // the wide character
  QGuiApplication::clipboard()->setText("45");
  field.Editor().paste();
  EXPECT_EQ(field.Text(), rt::String("143"));

  // An input method's commit that replaces the character before the caret.
  QInputMethodEvent replacing;
  replacing.setCommitString("XY", -1, 1);
  area.SetText("abc");
  area.SetProperties(Encode({Integer("MaximumCharactersAllowed", 3)}));
  area.SetSelectionStart(3);
  QCoreApplication::sendEvent(&area.Editor(), &replacing);
  EXPECT_EQ(area.Text(), rt::String("abX"));
  field.SetText("abc");
  QCoreApplication::sendEvent(&field.Editor(), &replacing);
  EXPECT_EQ(field.Text(), rt::String("abX"));
}

TEST_F(CharacterLimitTest, APasteCutToTheLimitIsOneUndoStepInAField) {
  rt::TextField& field = window->CasesFld();  // limit 3
  QLineEdit& editor = field.Editor();
  TypeText(&editor, "1");
  QGuiApplication::clipboard()->setText("2345");
  PressKey(&editor, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
  EXPECT_EQ(field.Text(), rt::String("123"));
  editor.undo();
  EXPECT_EQ(field.Text(), rt::String("1"));
  editor.redo();
  EXPECT_EQ(field.Text(), rt::String("123"));
}

TEST_F(CharacterLimitTest, TextSetByTheProgramIsCutToAFieldsLimitOnlyInCharacters) {
  rt::TextField& field = window->CasesFld();  // limit 3
  field.SetText("12" + kGrinText + "4");
  EXPECT_EQ(field.Text(), "12" + kGrinText);
  field.SetMaximumCharactersAllowed(2);
  EXPECT_EQ(field.Text(), rt::String("12"));

  // A text area holds whatever the program puts in it.
  rt::TextArea& area = window->ReportFld();
  area.SetProperties(Encode({Integer("MaximumCharactersAllowed", 2)}));
  area.SetText("long report\r\n");
  EXPECT_EQ(area.Text(), rt::String("long report\r\n"));
}

}  // namespace
}  // namespace runtimetest
