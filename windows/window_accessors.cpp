#include "windows/window_accessors.h"

#include "runtime/gui/window_registry.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"

namespace quorvane {

::AboutWnd& AboutWnd() {
  return rt::GetOrCreateWindow<::AboutWnd>(::AboutWnd::kClassName);
}

::ControlWnd& ControlWnd() {
  return rt::GetOrCreateWindow<::ControlWnd>(::ControlWnd::kClassName);
}

::DescriptionWnd& DescriptionWnd() {
  return rt::GetOrCreateWindow<::DescriptionWnd>(::DescriptionWnd::kClassName);
}

bool ShowAboutWindow() {
  AboutWnd().Show();
  return false;
}

}  // namespace quorvane
