#pragma once

#include "runtime/core/string.h"

namespace rt {

class Window;

// The standard Edit commands (the items "EditUndo", "EditCut", "EditCopy", "EditPaste") as the
// focused text control of a window carries them out: no window of a program has to answer them.

// Whether the command would change something or put something on the clipboard now: Copy and
// Cut need a selection, Cut, Paste and Undo an editable control, Paste text on the clipboard,
// Undo an edit to take back.
bool CanDoStandardEdit(Window& window, const String& itemName);
// Carries the command out when it can.
void DoStandardEdit(Window& window, const String& itemName);

}  // namespace rt
