#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/layout_description.h"
#include "runtime/core/string.h"

class QVBoxLayout;

namespace rt {

class Delegate;
class PushButton;
class RectControl;

// A top-level window built from its class: the program's window classes derive from Window,
// pass their class name (as registered with RegisterWindowClass) to the constructor and override
// the events they handle. Make a window with `new` (or GetOrCreateWindow) and build it with
// Constructor(); from then on Qt owns it: when the user closes it, it is removed from the open
// windows and deleted once control returns to the event loop, so the program keeps no pointer
// to a window between events.
//
// An event reaches its virtual only when the class handles it, as IsEventImplemented answers
// (by default from the class registry): "Layout", "CreateControls", "AddMenuHandlers", "Open",
// "Activate", "Close", "EnableMenuItems", "KeyDown", "MouseDown". Each call into the program from
// the event loop goes through CallProgramHandler, so an exception there is shown, not fatal.
class Window : public QWidget {
 public:
  explicit Window(std::string className);
  ~Window() override;

  const std::string& ClassName() const { return className_; }

  // Builds the window: the Layout, CreateControls, AddMenuHandlers and Open events, in that
  // order, each only when the class handles it; then the window is open and, when its layout
  // said Visible, shown. An exception from one of the events leaves Constructor unchanged and
  // the window not open.
  void Constructor();

  // The window's layout description. Width and Height are the content area's size.
  void SetProperties(std::string_view layoutBytes);

  // The events a window class may handle.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}
  virtual void Event_Open() {}
  virtual void Event_Activate() {}
  virtual void Event_Close() {}
  virtual void Event_EnableMenuItems() {}
  // A key press or mouse press anywhere in the window's content area, its controls included,
  // before the control under it sees it; True drops it. x and y are in content-area coordinates.
  // The menu bar is no part of the content: what it takes reaches neither event.
  virtual bool Event_KeyDown(const String& key);
  virtual bool Event_MouseDown(std::int64_t x, std::int64_t y);

  virtual bool IsEventImplemented(const String& eventName);

  // A new control of class T for this window; it becomes the window's with AddControl.
  template <class T>
  std::unique_ptr<T> New() {
    return std::make_unique<T>(*this);
  }
  // Takes the control and registers it under `name` (which becomes its Name) before its layout
  // description is applied, so that the program can look it up by name right away.
  RectControl& AddControl(std::unique_ptr<RectControl> control, const String& name);
  // The control of that name, or nullptr.
  RectControl* ControlByName(const String& name) const;
  // In the order they were added.
  const std::vector<std::unique_ptr<RectControl>>& Controls() const { return controls_; }

  // Menu handlers by item name; a later one for the same name replaces the earlier.
  void AddMenuHandler(const String& itemName, std::function<bool()> handler);
  // For a delegate of the form "(  ) as Boolean".
  void AddMenuHandler(const String& itemName, const Delegate& handler);
  bool HasMenuHandler(const String& itemName) const;
  // Runs the window's handler for the item and returns its answer; false when there is none.
  bool HandleMenuItem(const String& itemName);
  // Delivers EnableMenuItems, before the menu bar is shown.
  void EnableMenuItems();

  // Shows the window, brings it to the front and makes it the active window.
  void Show();
  // Hides the window; it stays open.
  void Hide();
  // Closes the window as the user's close box does.
  void Close();
  // From the end of Constructor until the window is closed.
  bool IsOpen() const { return open_ && !closed_; }

  // The button that Return in a text field pushes: the one named here, or else the first
  // control made with Default True. nullptr clears the choice.
  void SetReturnKeyButton(PushButton* button);
  PushButton* DefaultButton() const;
  // The first control made with Cancel True, pushed by Escape in a text field.
  PushButton* CancelButton() const;

  // Where the controls live: the window below its menu bar.
  QWidget* ContentArea() const { return content_; }
  // The menu bar's widget goes above the content area; the content area keeps its size.
  void SetMenuBarWidget(QWidget* menuBar);
  // nullptr when the window shows no menu bar.
  QWidget* MenuBarWidget() const;
  bool MenuBarVisible() const { return menuBarVisible_; }
  String Title() const;

  // False once the window is closed or being destroyed; controls then deliver no events.
  bool DeliversEvents() const { return !closed_ && !destroying_; }

  // Used by controls and the input filter.
  void ControlLayoutChanged();
  bool DeliverKeyDown(const String& key);
  bool DeliverMouseDown(std::int64_t x, std::int64_t y);
  bool WantsKeyDown();
  bool WantsMouseDown();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ApplyProperty(const Property& property);
  void ApplyGeometryAndFlags();
  void UpdateTabOrder();
  void ActivateAnotherWindow();
  bool Handles(std::string_view eventName);

  std::string className_;
  String title_;
  QPointer<QWidget> activateInstead_;
  QVBoxLayout* frame_;
  QWidget* content_;
  std::vector<std::unique_ptr<RectControl>> controls_;
  std::map<std::u32string, std::function<bool()>> menuHandlers_;
  PushButton* returnKeyButton_ = nullptr;

  std::int64_t width_ = 640;
  std::int64_t height_ = 480;
  std::int64_t minimumWidth_ = 0;
  std::int64_t minimumHeight_ = 0;
  std::int64_t maximumWidth_ = QWIDGETSIZE_MAX;
  std::int64_t maximumHeight_ = QWIDGETSIZE_MAX;
  std::int64_t type_ = 0;
  bool resizeable_ = true;
  bool hasCloseButton_ = true;
  bool hasMinimizeButton_ = true;
  bool hasMaximizeButton_ = true;
  bool visibleWhenOpen_ = true;
  bool menuBarVisible_ = true;

  bool open_ = false;
  bool closed_ = false;
  bool destroying_ = false;
};

}  // namespace rt
