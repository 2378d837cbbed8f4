#pragma once

namespace rt {

// Ends the running event loops with `code`. Harmless when called again while the program is
// ending. With no event loop running it only records the call: the program's start-up checks
// QuitCalls() before it enters its loop.
void Quit(int code);
// From a Quit that ends the running event loop until that loop has returned.
bool IsQuitting();
// Called when a window has closed: with no window left, shown or hidden, the program quits.
void QuitWhenNoWindowIsLeft();
// How many times Quit has been called, and the code of the last call.
int QuitCalls();
int LastQuitCode();

}  // namespace rt
