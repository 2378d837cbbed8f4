#pragma once

#include <QPushButton>
#include <functional>

#include "runtime/gui/rect_control.h"

namespace rt {

// A push button. Action (event 15, "( PushButton )") runs on each click. A button marked
// Default is pushed by Return in a text field of its window (see Window::DefaultButton);
// one marked Cancel by Escape there.
class PushButton : public RectControl {
 public:
  static constexpr std::string_view kClassName = "PushButton";
  static constexpr std::int64_t kActionEvent = 15;

  explicit PushButton(Window& window);
  ~PushButton() override;

  std::string_view ClassName() const override { return kClassName; }

  String Caption() const;
  void SetCaption(const String& caption);
  bool Default() const { return default_; }
  bool Cancel() const { return cancel_; }

  // As a click by the user: runs Action when the button is enabled and visible.
  void Push();

  QPushButton& Button() const;

  void AddEventHandler(std::int64_t eventNumber, const Delegate& delegate) override;

 protected:
  void ApplyProperty(const Property& property) override;

 private:
  QPushButton* button_;
  bool default_ = false;
  bool cancel_ = false;
  std::function<void(PushButton&)> action_;
};

}  // namespace rt
