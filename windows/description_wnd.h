#pragma once

#include <string_view>

#include "runtime/gui/window.h"

namespace rt {
class Label;
class PushButton;
class TextArea;
}  // namespace rt

// The help window: the help text in an editable area, and Print. It answers Window > Control,
// Window > About and File > Print. Edits last as long as the window.
class DescriptionWnd : public rt::Window {
 public:
  static constexpr std::string_view kClassName = "DescriptionWnd.DescriptionWnd";
  // The first window made registers the class with the runtime.
  DescriptionWnd();

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();

  rt::TextArea& DescribeFld();
  rt::TextArea& DescribeFld2();
  rt::Label& c2002();
  rt::PushButton& PrintBtn();

  virtual void PrintBtn_Action(rt::PushButton& button);
  void AddMenuHandlers() override;
  void Event_Open() override;
  void Event_EnableMenuItems() override;

  virtual bool ControlMenuItem_Action();
  virtual bool AboutMenuItem_Action();
  virtual bool Print_Action();

  bool IsEventImplemented(const rt::String& eventName) override;
};
