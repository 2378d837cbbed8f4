#include "runtime/gui/standard_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <type_traits>

#include "runtime/gui/rect_control.h"
#include "runtime/gui/text_area.h"
#include "runtime/gui/text_field.h"
#include "runtime/gui/window.h"

namespace rt {

namespace {

enum class Command { kNone, kUndo, kCut, kCopy, kPaste };

Command CommandOf(const String& itemName) {
  if (itemName == String("EditUndo")) return Command::kUndo;
  if (itemName == String("EditCut")) return Command::kCut;
  if (itemName == String("EditCopy")) return Command::kCopy;
  if (itemName == String("EditPaste")) return Command::kPaste;
  return Command::kNone;
}

bool ClipboardHoldsText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard != nullptr && !clipboard->text().isEmpty();
}

// What the command needs of a control, whatever its kind.
struct EditState {
  bool editable;
  bool selection;
  bool undoAvailable;
};

bool Possible(Command command, const EditState& state) {
  switch (command) {
    case Command::kUndo:
      return state.editable && state.undoAvailable;
    case Command::kCut:
      return state.editable && state.selection;
    case Command::kCopy:
      return state.selection;
    case Command::kPaste:
      return state.editable && ClipboardHoldsText();
    case Command::kNone:
      break;
  }
  return false;
}

EditState StateOf(const QLineEdit& edit) {
  // A password field gives nothing away to the clipboard.
  const bool readable = edit.echoMode() == QLineEdit::Normal;
  return {!edit.isReadOnly(), readable && edit.hasSelectedText(), edit.isUndoAvailable()};
}

template <class DocumentEdit>
EditState StateOf(const DocumentEdit& edit) {
  return {!edit.isReadOnly(), edit.textCursor().hasSelection(),
          edit.isUndoRedoEnabled() && edit.document()->isUndoAvailable()};
}

template <class Edit>
void Carry(Edit& edit, Command command) {
  switch (command) {
    case Command::kUndo:
      edit.undo();
      break;
    case Command::kCut:
      edit.cut();
      break;
    case Command::kCopy:
      edit.copy();
      break;
    case Command::kPaste:
      // A text field keeps its character limit on a paste from the menu too.
      if constexpr (std::is_same_v<Edit, QLineEdit>) {
        TextField::Paste(edit);
      } else {
        edit.paste();
      }
      break;
    case Command::kNone:
      break;
  }
}

// The window's focused control, when it is a text control that takes commands now. A text
// area's widget is first brought up to date with the text and selection the program set.
QWidget* FocusedTextWidget(Window& window) {
  QWidget* focus = window.focusWidget();
  if (focus == nullptr || !focus->isEnabled() || !focus->isVisible()) return nullptr;
  for (const auto& control : window.Controls()) {
    if (control->Widget() != focus) continue;
    if (auto* area = dynamic_cast<TextArea*>(control.get())) area->Editor();
    break;
  }
  return focus;
}

// Runs `act` with the focused text control as its own kind; false when there is none.
template <class Act>
bool WithFocusedEdit(Window& window, Act act) {
  QWidget* focus = FocusedTextWidget(window);
  if (focus == nullptr) return false;
  if (auto* line = qobject_cast<QLineEdit*>(focus)) return act(*line);
  if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) return act(*plain);
  if (auto* rich = qobject_cast<QTextEdit*>(focus)) return act(*rich);
  return false;
}

}  // namespace

bool CanDoStandardEdit(Window& window, const String& itemName) {
  const Command command = CommandOf(itemName);
  if (command == Command::kNone) return false;
  return WithFocusedEdit(window,
                         [command](auto& edit) { return Possible(command, StateOf(edit)); });
}

void DoStandardEdit(Window& window, const String& itemName) {
  const Command command = CommandOf(itemName);
  if (command == Command::kNone) return;
  WithFocusedEdit(window, [command](auto& edit) {
    const bool possible = Possible(command, StateOf(edit));
    if (possible) Carry(edit, command);
    return possible;
  });
}

}  // namespace rt
