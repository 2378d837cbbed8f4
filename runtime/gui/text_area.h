#pragma once

#include <QPlainTextEdit>
#include <cstdint>
#include <memory>

#include "runtime/gui/rect_control.h"

namespace rt {

class Graphics;
class StyledTextPrinter;

// A multi-line plain-text area that keeps its text exactly as set, CR LF line ends included.
//
// Qt's text widgets turn "\r\n" and a lone "\r" into paragraph breaks, so the area keeps its
// text itself and keeps the widget in step: Text() returns exactly the characters set, appended
// or inserted, and every length and position (SelectionStart, SelectionLength) counts characters
// of that text. A CR LF pair is two characters here and one paragraph break in the widget.
//
// Appending (SetText with a text that extends the current one, or SelectedText at the end) is
// cheap however long the text already is: the new tail is collected and reaches the widget in
// one insertion, before anything shows or reads the widget. User edits in the widget (typing,
// paste, delete) are taken back into the text, each paragraph break as CR LF.
//
// Setting, appending and inserting work while the area is disabled; a disabled area cannot be
// typed into. What the program writes is no edit of the user's: Undo takes back only the user's
// own edits since the program last wrote.
class TextArea : public RectControl {
 public:
  static constexpr std::string_view kClassName = "TextArea";

  explicit TextArea(Window& window);
  ~TextArea() override;

  std::string_view ClassName() const override { return kClassName; }

  const String& Text() const { return text_; }
  void SetText(const String& text);

  // The selection, in characters of Text(). Setting the start empties the selection; both are
  // clamped to the text.
  std::int64_t SelectionStart();
  void SetSelectionStart(std::int64_t position);
  std::int64_t SelectionLength();
  void SetSelectionLength(std::int64_t length);
  String SelectedText();
  // Replaces the selection (with an empty one: inserts at the caret); the caret then follows
  // the inserted text.
  void SetSelectedText(const String& text);

  // 0: no limit. Holds for whatever the user puts in (typing, paste, drop, the Edit menu, an
  // input method), counted as Len counts Text(), a line end as its stored CR LF; of a paste that
  // is too long, what fits is kept. Text set by the program is not limited.
  std::int64_t MaximumCharactersAllowed() const { return maximumCharacters_; }
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);

  // A printer of the area's text as the widget shows it (font included), `width` points wide.
  std::unique_ptr<StyledTextPrinter> styledTextPrinter(Graphics& graphics, double width);

  // The widget, brought up to date with the text first.
  QPlainTextEdit& Editor();

 protected:
  void ApplyProperty(const Property& property) override;

 private:
  class EditorWidget;
  friend class EditorWidget;

  void ScheduleFlush();
  // Brings the widget up to date: pending tail, replaced text, selection.
  void Flush();
  void TakeSelectionFromWidget();
  void UserChangedContents();
  // Characters the user may still put in, the selection counted as room. Read from the widget,
  // which the caller brings up to date first.
  std::int64_t RoomLeft() const;
  std::int64_t WidgetPosition(std::int64_t position) const;
  std::int64_t TextPosition(std::int64_t widgetPosition) const;

  EditorWidget* editor_;
  String text_;
  // text_[0, shown_) is what the widget shows; the rest waits for the next Flush.
  std::int64_t shown_ = 0;
  bool replaceWidgetText_ = false;
  bool programWrote_ = false;  // since the widget was last brought up to date
  bool flushScheduled_ = false;
  bool selectionInWidget_ = false;  // the user moved the selection since it was last read
  bool widgetSelectionStale_ = false;
  bool updatingWidget_ = false;
  std::int64_t selectionStart_ = 0;
  std::int64_t selectionLength_ = 0;
  std::int64_t maximumCharacters_ = 0;
  bool multiline_ = true;
};

}  // namespace rt
