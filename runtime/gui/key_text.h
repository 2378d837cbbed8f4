#pragma once

#include <optional>

#include "runtime/core/string.h"

class QKeyEvent;

namespace rt {

// The key of a key press as KeyDown handlers see it: the key's own text, or for the editing and
// movement keys a control character (Backspace 8, Tab 9, Return and Enter 13, Escape 27, Left 28,
// Right 29, Up 30, Down 31, Delete 127, Home 1, End 4, PageUp 11, PageDown 12). nullopt for a key
// that stands for no character (function keys, a modifier alone): such keys are not reported.
std::optional<String> KeyDownText(const QKeyEvent& event);

}  // namespace rt
