#pragma once

namespace rt {

// Routes key and mouse presses anywhere in a window to its KeyDown and MouseDown events; installed
// once on the application when the first window is made.
void InstallWindowInputFilter();

}  // namespace rt
