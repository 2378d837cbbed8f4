#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/gui/window.h"

namespace rt {
class Canvas;
class Label;
class Timer;
}  // namespace rt

// The splash window, shown at start-up, and later the About box. It gives way to the main window
// when its one-shot timer fires, 4000 ms after it was made, and at once on a key press or a mouse
// press in it. The timer is never stopped: after an early dismissal it still fires once.
class AboutWnd : public rt::Window {
 public:
  static constexpr std::string_view kClassName = "AboutWnd.AboutWnd";
  // The first window made registers the class with the runtime.
  AboutWnd();

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();

  rt::Canvas& Canvas1();
  rt::Label& StaticText5();
  rt::Timer& Timer1();
  rt::Canvas& Canvas2();

  virtual void Timer1_Action(rt::Timer& timer);
  bool Event_KeyDown(const rt::String& key) override;
  bool Event_MouseDown(std::int64_t x, std::int64_t y) override;

  bool IsEventImplemented(const rt::String& eventName) override;

 private:
  // Hides the splash window and shows the main window, making it the first time.
  static void GiveWay();
};
