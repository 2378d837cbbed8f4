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

namespace {

void ApplyLayout(rt::RectControl& control, const char* name) {
  rt::ApplyLayout(control, about_wnd_layout::Control(name).properties);
}

}  // namespace

AboutWnd::AboutWnd() : rt::Window(std::string(kClassName)) {
  rt::RegisterWindowClassOnce(kClassName, {"CreateControls", "KeyDown", "Layout", "MouseDown"});
}

void AboutWnd::Layout() {
  SetProperties(rt::EncodeLayout(about_wnd_layout::Window()));
}

void AboutWnd::CreateControls() {
  CreateControls0();
}

void AboutWnd::CreateControls0() {
  rt::Canvas& banner = rt::MakeControl<rt::Canvas>(*this, "Canvas1");
  banner.SetBackdrop(Quor());
  ApplyLayout(banner, "Canvas1");

  ApplyLayout(rt::MakeControl<rt::Label>(*this, "StaticText5"), "StaticText5");

  ApplyLayout(rt::MakeControl<rt::Timer>(*this, "Timer1"), "Timer1");
  rt::BindEvent(*this, "Timer1", rt::Timer::kActionEvent, &AboutWnd::Timer1_Action, "( Timer )");

  rt::Canvas& kappa = rt::MakeControl<rt::Canvas>(*this, "Canvas2");
  kappa.SetBackdrop(kappa64());
  ApplyLayout(kappa, "Canvas2");
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
