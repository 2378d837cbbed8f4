#pragma once

#include <string>
#include <vector>

#include "runtime/core/layout_description.h"

// The design-time values of the main window and its controls, as layout descriptions.
namespace control_wnd_layout {

struct ControlDescription {
  const char* name;
  std::vector<rt::Property> properties;  // in the order the description holds them
};

std::vector<rt::Property> Window();
// The 13 controls, in the order they are made.
const std::vector<ControlDescription>& Controls();
const ControlDescription& Control(const std::string& name);

}  // namespace control_wnd_layout
