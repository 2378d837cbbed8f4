#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string_view>

#include "runtime/core/layout_description.h"
#include "runtime/core/string.h"

namespace rt {

class Delegate;
class Window;

// The base of every control. A control belongs to one window, which owns it; it is made by
// Window::New, registered with Window::AddControl and then built from its layout description
// with SetProperties. Controls with a widget (all but Timer) put it in the window's content
// area; the widget's object name is the control's Name, so tests and debuggers find it.
class RectControl {
 public:
  static constexpr std::string_view kClassName = "RectControl";

  virtual ~RectControl();
  RectControl(const RectControl&) = delete;
  RectControl& operator=(const RectControl&) = delete;

  // The class name used in messages ("TextField has no property X").
  virtual std::string_view ClassName() const = 0;

  // The runtime's constructor step after Window::New; the control is usable without it.
  virtual void Constructor() {}

  // Applies a whole layout description, entry by entry, in order. Raises
  // UnsupportedFormatException for malformed bytes and for a property the class neither honours
  // nor ignores on purpose; entries before the failing one stay applied.
  void SetProperties(std::string_view layoutBytes);

  Window& OwnerWindow() const { return *window_; }
  QWidget* Widget() const { return widget_.data(); }  // nullptr for a Timer

  const String& Name() const { return name_; }
  void SetName(const String& name);
  std::int64_t Index() const { return index_; }

  // Position from the top-left corner of the window's content area, also for a control placed
  // on another control (InitialParent); size in pixels.
  std::int64_t Left() const { return left_; }
  std::int64_t Top() const { return top_; }
  std::int64_t Width() const { return width_; }
  std::int64_t Height() const { return height_; }
  void SetBounds(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // Only controls with TabStop take the focus by the Tab key, in the order of their TabIndex
  // (ties in the order the controls were made).
  bool TabStop() const { return tabStop_; }
  std::int64_t TabIndex() const { return tabIndex_; }

  void SetFocus();

  // Attaches a delegate to one of the class's events (see RuntimeAddEventHandler).
  virtual void AddEventHandler(std::int64_t eventNumber, const Delegate& delegate);

 protected:
  // `widget` may be nullptr (Timer); otherwise the control takes it and places it in the
  // window's content area. The control deletes the widget when it goes.
  RectControl(Window& window, QWidget* widget);

  // One layout entry. Derived classes handle their own properties and pass the rest down; the
  // base handles the shared ones and ignores or rejects what remains.
  virtual void ApplyProperty(const Property& property);
  // After the last entry of a description.
  virtual void PropertiesApplied() {}

  // How the widget takes the focus; a class that never takes it answers Qt::NoFocus.
  virtual Qt::FocusPolicy FocusPolicyFor(bool tabStop) const;
  void UpdateFocusPolicy();

  // Raises UnsupportedFormatException: "PushButton has no event 9".
  [[noreturn]] void ThrowUnknownEvent(std::int64_t eventNumber) const;

  // False once the window is closed or being destroyed: no event reaches the program then.
  bool DeliversEvents() const;

 private:
  void ApplyFontProperty(const Property& property);
  void PlaceOn(const String& parentName);
  void Reposition();

  Window* window_;
  QPointer<QWidget> widget_;
  String name_;
  std::int64_t index_ = 0;
  std::int64_t left_ = 0;
  std::int64_t top_ = 0;
  std::int64_t width_ = 0;
  std::int64_t height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool tabStop_ = true;
  std::int64_t tabIndex_ = 0;
};

}  // namespace rt
