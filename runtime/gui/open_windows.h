#pragma once

#include <string_view>
#include <vector>

namespace rt {

class Window;

// The runtime's list of open windows, kept by Window itself.
void AddOpenWindow(Window* window);
void RemoveOpenWindow(Window* window);

// The open windows, in the order they were opened.
std::vector<Window*> OpenWindows();

// The open window of that class name, shown or hidden, or nullptr. A window under construction
// or closed is not open.
Window* GetImplicitWindow(std::string_view className);

}  // namespace rt
