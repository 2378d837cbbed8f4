#include "windows/about_wnd.h"

#include "runtime/gui/canvas.h"
#include "runtime/gui/control_building.h"
#include "runtime/gui/label.h"
#include "runtime/gui/timer.h"
#include "runtime/gui/window_registry.h"
#include "windows/about_wnd_layout.h"
#include "windows/control_wnd.h"
#include "windows/pictures.h"
#include "windows/window_accessors.h"

AboutWnd::AboutWnd() : rt::Window(std::string(kClassName)) {
  rt::RegisterWindowClassOnce(kClassName, {"CreateControls", "KeyDown", "Layout", "MouseDown"});
}

void AboutWnd::Layout() {
  SetProperties(rt::EncodeLayout(about_wnd_layout::Layout().Window()));
}

void AboutWnd::CreateControls() {
  CreateControls0();
}

void AboutWnd::CreateControls0() {
  const rt::layout::WindowLayout& layout = about_wnd_layout::Layout();
  rt::MakeControl<rt::Canvas>(*this, layout, "Canvas1", rt::Backdrop{Quor()});
  rt::MakeControl<rt::Label>(*this, layout, "StaticText5");
  rt::MakeControl<rt::Timer>(
      *this, layout, "Timer1",
      rt::On{rt::Timer::kActionEvent, &AboutWnd::Timer1_Action, "( Timer )"});
  rt::MakeControl<rt::Canvas>(*this, layout, "Canvas2", rt::Backdrop{kappa64()});
}

rt::Canvas& AboutWnd::Canvas1() {
  return rt::FindControl<rt::Canvas>(*this, "Canvas1");
}
rt::Label& AboutWnd::StaticText5() {
  return rt::FindControl<rt::Label>(*this, "StaticText5");
}
rt::Timer& AboutWnd::Timer1() {
  return rt::FindControl<rt::Timer>(*this, "Timer1");
}
rt::Canvas& AboutWnd::Canvas2() {
  return rt::FindControl<rt::Canvas>(*this, "Canvas2");
}

void AboutWnd::Timer1_Action(rt::Timer&) {
  GiveWay();
}

bool AboutWnd::Event_KeyDown(const rt::String&) {
  GiveWay();
  return false;
}

bool AboutWnd::Event_MouseDown(std::int64_t, std::int64_t) {
  GiveWay();
  return false;
}

bool AboutWnd::IsEventImplemented(const rt::String& eventName) {
  return rt::RuntimeIsEventHandled(*this, kClassName, eventName, true);
}

// The window that got the event is not used: the accessor gives the open one, which is the same
// window whenever one is open.
void AboutWnd::GiveWay() {
  quorvane::AboutWnd().Hide();
  quorvane::ControlWnd().Show();
}
