#include "runtime/gui/key_text.h"

#include <QKeyEvent>

#include "runtime/gui/qt_text.h"

namespace rt {

namespace {

// The control characters that the editing and movement keys stand for, whatever text the
// platform attaches to them.
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
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<String> KeyDownText(const QKeyEvent& event) {
  if (const std::optional<char32_t> control = ControlCharacterOf(event.key())) {
    const char32_t character = *control;
    return String(std::u32string_view(&character, 1));
  }
  if (event.text().isEmpty()) return std::nullopt;
  return FromQString(event.text());
}

}  // namespace rt
