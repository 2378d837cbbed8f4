#pragma once

#include <QLineEdit>
#include <functional>

#include "runtime/gui/rect_control.h"

class QKeyEvent;

namespace rt {

// A one-line text field.
//
// KeyDown (event 9, "( TextField, String ) as Boolean") runs for every key press before the
// field sees it, with the key as text: the key's own text, or for keys without one a control
// character (Backspace 8, Tab 9, Return and Enter 13, Escape 27, Left 28, Right 29, Up 30,
// Down 31, Delete 127, Home 1, End 4, PageUp 11, PageDown 12); other keys without text (function
// keys, modifiers alone) are not reported. True drops the key. Return that the field takes
// pushes the window's default button.
class TextField : public RectControl {
 public:
  static constexpr std::string_view kClassName = "TextField";
  static constexpr std::int64_t kKeyDownEvent = 9;

  explicit TextField(Window& window);
  ~TextField() override;

  std::string_view ClassName() const override { return kClassName; }

  String Text() const;
  void SetText(const String& text);
  // 0: no limit.
  std::int64_t MaximumCharactersAllowed() const { return maximumCharacters_; }
  void SetMaximumCharactersAllowed(std::int64_t count);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);

  QLineEdit& Editor() const;

  void AddEventHandler(std::int64_t eventNumber, const Delegate& delegate) override;

 protected:
  void ApplyProperty(const Property& property) override;

 private:
  class FieldWidget;
  friend class FieldWidget;

  // True when the key is to be dropped.
  bool FilterKey(const QKeyEvent& event);

  FieldWidget* field_;
  std::int64_t maximumCharacters_ = 0;
  std::function<bool(TextField&, const String&)> keyDown_;
};

}  // namespace rt
