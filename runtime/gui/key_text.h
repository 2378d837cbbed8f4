#pragma once

#include <optional>

#include "runtime/core/string.h"

class QKeyEvent;

namespace rt {

// The key of a key press as KeyDown handlers see it: the key's own text, or for a key that types
// no character a control character of its own:
// - the editing and movement keys: Backspace 8, Tab 9, Return and Enter 13, Escape 27, Left 28,
//   Right 29, Up 30, Down 31, Delete 127, Home 1, End 4, PageUp 11, PageDown 12;
// - Insert and Help 5;
// - every other key without text (the function keys, Print, Pause, Menu and the like) 16.
// So Asc of a key without text is always below 32 or 127. nullopt only for a modifier or lock
// key pressed alone (Shift, Ctrl, Alt, AltGr, Meta, Super, Hyper, Caps Lock, Num Lock,
// Scroll Lock, the Kana and Eisu keys) and for Compose or a dead key, none of which is a key
// press of its own.
std::optional<String> KeyDownText(const QKeyEvent& event);

}  // namespace rt
