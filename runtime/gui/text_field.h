#pragma once

#include <QLineEdit>
#include <functional>

#include "runtime/gui/character_limit.h"
#include "runtime/gui/rect_control.h"

class QKeyEvent;

namespace rt {

// A one-line text field.
//
// KeyDown (event 9, "( TextField, String ) as Boolean") runs for every key press before the
// field sees it, with the key as KeyDownText gives it: the key's own text, or for a key without
// one a control character; a modifier pressed alone is not reported. True drops the key. Return
// that the field takes pushes the window's default button.
class TextField : public RectControl {
 public:
  static constexpr std::string_view kClassName = "TextField";
  static constexpr std::int64_t kKeyDownEvent = 9;

  explicit TextField(Window& window);
  ~TextField() override;

  std::string_view ClassName() const override { return kClassName; }

  String Text() const;
  // Text the program sets is no edit of the user's: Undo starts afresh from it.
  void SetText(const String& text);
  // 0: no limit. Counted as Len counts Text(); a line end that comes in with pasted text counts
  // as the characters it is. Holds for whatever the user puts in (typing, paste, drop, the Edit
  // menu, an input method); of a paste that is too long, what fits is kept. Text set by the
  // program, and the text there when the limit is set, are cut to the limit.
  std::int64_t MaximumCharactersAllowed() const { return maximumCharacters_; }
  void SetMaximumCharactersAllowed(std::int64_t count);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);

  QLineEdit& Editor() const;
  // The Edit menu's Paste for the focused line editor: a text field's keeps its limit.
  static void Paste(QLineEdit& editor);

  void AddEventHandler(std::int64_t eventNumber, const Delegate& delegate) override;

 protected:
  void ApplyProperty(const Property& property) override;

 private:
  class FieldWidget;
  friend class FieldWidget;
  class LimitValidator;

  static constexpr LineEnds kLineEnds = LineEnds::kAsTheyCame;

  // True when the key is to be dropped.
  bool FilterKey(const QKeyEvent& event);
  // Characters the user may still put in, the selection counted as room.
  std::int64_t RoomLeft() const;
  // True when the key would type more than the limit leaves room for.
  bool KeyDoesNotFit(const QKeyEvent& event) const;
  QString FittingLimit(const QString& text) const;

  FieldWidget* field_;
  std::int64_t maximumCharacters_ = 0;
  std::function<bool(TextField&, const String&)> keyDown_;
};

}  // namespace rt
