#pragma once

#include <string_view>

#include "runtime/gui/application.h"

// The program's application object. It handles none of the application's events: all it adds is
// its class name, by which the runtime asks which events it handles.
class Quorvane : public rt::Application {
 public:
  static constexpr std::string_view kClassName = "Quorvane";

  void Constructor() {}
  bool IsEventImplemented(const rt::String& eventName) override;
};
