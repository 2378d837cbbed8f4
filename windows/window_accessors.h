#pragma once

class AboutWnd;
class ControlWnd;
class DescriptionWnd;

// The one window of each class: the open one, shown or hidden, or a new one, built from its
// layout and shown, when none is open. Callers show or hide what they get and keep no reference
// to it.
namespace quorvane {

::AboutWnd& AboutWnd();
::ControlWnd& ControlWnd();
::DescriptionWnd& DescriptionWnd();

// Window > About, the same in every window that answers it; returns False like every menu
// handler.
bool ShowAboutWindow();

}  // namespace quorvane
