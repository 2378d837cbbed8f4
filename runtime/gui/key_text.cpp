#include "runtime/gui/key_text.h"

#include <QKeyEvent>

#include "runtime/gui/qt_text.h"

namespace rt {

namespace {

// The control characters that the editing and movement keys, Insert and Help stand for, whatever
// text the platform attaches to them.
std::optional<char32_t> ControlCharacterOf(int key) {
  switch (key) {
    case Qt::Key_Backspace:
      return U'\x08';
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return U'\t';
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return U'\r';
    case Qt::Key_Escape:
      return U'\x1b';
    case Qt::Key_Left:
      return U'\x1c';
    case Qt::Key_Right:
      return U'\x1d';
    case Qt::Key_Up:
      return U'\x1e';
    case Qt::Key_Down:
      return U'\x1f';
    case Qt::Key_Delete:
      return U'\x7f';
    case Qt::Key_Home:
      return U'\x01';
    case Qt::Key_End:
      return U'\x04';
    case Qt::Key_PageUp:
      return U'\x0b';
    case Qt::Key_PageDown:
      return U'\x0c';
    case Qt::Key_Insert:
    case Qt::Key_Help:
      return U'\x05';
    default:
      return std::nullopt;
  }
}

bool IsModifierOrLock(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Kana_Lock:
    case Qt::Key_Kana_Shift:
    case Qt::Key_Eisu_Shift:
    case Qt::Key_Eisu_toggle:
    // Compose and a dead key only begin a character, which comes as a key press of its own.
    case Qt::Key_Multi_key:
      return true;
    default:
      return key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay;
  }
}

// What the function keys and every other key without a character of its own stand for.
constexpr char32_t kOtherKey = U'\x10';

}  // namespace

std::optional<String> KeyDownText(const QKeyEvent& event) {
  std::optional<char32_t> character = ControlCharacterOf(event.key());
  if (!character) {
    if (!event.text().isEmpty()) return FromQString(event.text());
    if (IsModifierOrLock(event.key())) return std::nullopt;
    character = kOtherKey;
  }
  return String(std::u32string_view(&*character, 1));
}

}  // namespace rt
