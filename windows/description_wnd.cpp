#include "windows/description_wnd.h"

#include "runtime/gui/control_building.h"
#include "runtime/gui/label.h"
#include "runtime/gui/push_button.h"
#include "runtime/gui/text_area.h"
#include "runtime/gui/text_printing.h"
#include "runtime/gui/window_registry.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd_layout.h"
#include "windows/window_accessors.h"

DescriptionWnd::DescriptionWnd() : rt::Window(std::string(kClassName)) {
  rt::RegisterWindowClassOnce(
      kClassName, {"AddMenuHandlers", "CreateControls", "EnableMenuItems", "Layout", "Open"});
}

void DescriptionWnd::Layout() {
  SetProperties(rt::EncodeLayout(description_wnd_layout::Layout().Window()));
}

void DescriptionWnd::CreateControls() {
  CreateControls0();
}

void DescriptionWnd::CreateControls0() {
  const rt::layout::WindowLayout& layout = description_wnd_layout::Layout();
  rt::MakeControl<rt::TextArea>(*this, layout, "DescribeFld");
  rt::MakeControl<rt::TextArea>(*this, layout, "DescribeFld2");
  rt::MakeControl<rt::Label>(*this, layout, "c2002");
  rt::MakeControl<rt::PushButton>(
      *this, layout, "PrintBtn",
      rt::On{rt::PushButton::kActionEvent, &DescriptionWnd::PrintBtn_Action, "( PushButton )"});
}

rt::TextArea& DescriptionWnd::DescribeFld() {
  return rt::FindControl<rt::TextArea>(*this, "DescribeFld");
}
rt::TextArea& DescriptionWnd::DescribeFld2() {
  return rt::FindControl<rt::TextArea>(*this, "DescribeFld2");
}
rt::Label& DescriptionWnd::c2002() {
  return rt::FindControl<rt::Label>(*this, "c2002");
}
rt::PushButton& DescriptionWnd::PrintBtn() {
  return rt::FindControl<rt::PushButton>(*this, "PrintBtn");
}

// The help text is printed as it stands, edited or empty: there is no test before the dialog.
void DescriptionWnd::PrintBtn_Action(rt::PushButton&) {
  rt::PrintTextArea(DescribeFld2(), Title());
}

void DescriptionWnd::AddMenuHandlers() {
  DescriptionWnd& window = rt::RuntimeCheckCast<DescriptionWnd>(static_cast<rt::Window*>(this));
  constexpr const char* kMenuHandlerForm = "(  ) as Boolean";
  AddMenuHandler(
      "ControlMenuItem",
      rt::RuntimeCreateDelegate(window, &DescriptionWnd::ControlMenuItem_Action, kMenuHandlerForm));
  AddMenuHandler(
      "AboutMenuItem",
      rt::RuntimeCreateDelegate(window, &DescriptionWnd::AboutMenuItem_Action, kMenuHandlerForm));
  AddMenuHandler(
      "Print", rt::RuntimeCreateDelegate(window, &DescriptionWnd::Print_Action, kMenuHandlerForm));
}

void DescriptionWnd::Event_Open() {
  c2002().SetVisible(false);
}

void DescriptionWnd::Event_EnableMenuItems() {}

bool DescriptionWnd::ControlMenuItem_Action() {
  quorvane::ControlWnd().Show();
  return false;
}

bool DescriptionWnd::AboutMenuItem_Action() {
  return quorvane::ShowAboutWindow();
}

bool DescriptionWnd::Print_Action() {
  rt::PrintTextArea(DescribeFld2(), Title());
  return false;
}

bool DescriptionWnd::IsEventImplemented(const rt::String& eventName) {
  return rt::RuntimeIsEventHandled(*this, kClassName, eventName, true);
}
