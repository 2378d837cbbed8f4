#pragma once

namespace rt {

class Window;

// The runtime's list of open windows, kept by Window itself.
void AddOpenWindow(Window* window);
void RemoveOpenWindow(Window* window);

// Routes key and mouse presses anywhere in a window to its KeyDown and MouseDown events; installed
// once on the application when the first window is made.
void InstallWindowInputFilter();

}  // namespace rt
