#include "runtime/gui/text_field.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>
#include <algorithm>
#include <limits>

#include "runtime/gui/character_limit.h"
#include "runtime/gui/delegate.h"
#include "runtime/gui/exception_edge.h"
#include "runtime/gui/ignored_properties.h"
#include "runtime/gui/key_text.h"
#include "runtime/gui/layout_values.h"
#include "runtime/gui/push_button.h"
#include "runtime/gui/qt_text.h"
#include "runtime/gui/window.h"

namespace rt {

namespace {

// QLineEdit's limit is set as high as it goes: the field's limit counts characters, not the UTF-16
// units QLineEdit counts, so the field keeps it itself.
constexpr int kNoLimit = std::numeric_limits<int>::max();

qsizetype CommonStart(const QString& a, const QString& b) {
  const auto [inA, inB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return inA - a.begin();
}

qsizetype CommonEnd(const QString& a, const QString& b) {
  const auto [inA, inB] = std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend());
  return inA - a.rbegin();
}

bool SplitsSurrogatePair(const QString& text, qsizetype at) {
  return at > 0 && at < text.size() && text[at - 1].isHighSurrogate() && text[at].isLowSurrogate();
}

}  // namespace

// Every change of the field's text passes here. Of a change that would go past the limit, the
// text put in is cut to what fits; the rest of the text stays as it was. The ways in that the
// field knows (typing, paste by key or Edit menu, drop, an input method) cut what they bring
// before, so that it stays one step for Undo; for any other, such as the editor's own context
// menu, Qt sets the cut text anew, which clears the undo history.
class TextField::LimitValidator : public QValidator {
 public:
  LimitValidator(TextField& owner, QLineEdit& field) : QValidator(&field), owner_(owner) {
    QObject::connect(&field, &QLineEdit::textChanged, this,
                     [this](const QString& text) { before_ = text; });
  }

  State validate(QString& input, int& caret) const override {
    const std::int64_t limit = owner_.maximumCharacters_;
    if (limit <= 0 || StoredLength(input, kLineEnds) <= limit) return Acceptable;
    // The put-in text ends at the caret; what follows the caret and what precedes the put-in
    // text are as they were before.
    const qsizetype caretAt = std::clamp<qsizetype>(caret, 0, input.size());
    qsizetype after = std::min(CommonEnd(before_, input), input.size() - caretAt);
    if (SplitsSurrogatePair(input, input.size() - after)) --after;
    qsizetype start =
        std::min(CommonStart(before_, input), std::min(caretAt, before_.size() - after));
    if (SplitsSurrogatePair(input, start)) --start;
    const QString head = input.left(start);
    const QString tail = input.right(after);
    const std::int64_t room = limit - StoredLength(head, kLineEnds) - StoredLength(tail, kLineEnds);
    const QString putIn =
        FittingStart(input.mid(start, input.size() - after - start), room, kLineEnds);
    QString kept = head + putIn + tail;
    int keptCaret = static_cast<int>(head.size() + putIn.size());
    if (StoredLength(kept, kLineEnds) > limit) {
      kept = FittingStart(input, limit, kLineEnds);
      keptCaret = static_cast<int>(kept.size());
    }
    input = kept;
    caret = keptCaret;
    return Acceptable;
  }

 private:
  TextField& owner_;
  QString before_;
};

class TextField::FieldWidget : public QLineEdit {
 public:
  explicit FieldWidget(TextField& owner) : owner_(owner) {}

  // QLineEdit::paste, keeping what fits.
  void PasteWithinLimit() {
    if (isReadOnly()) return;
    if (owner_.maximumCharacters_ <= 0) {
      paste();
      return;
    }
    const QString clipboard = QGuiApplication::clipboard()->text();
    const QString fitting = FittingStart(clipboard, owner_.RoomLeft(), kLineEnds);
    if (fitting.size() == clipboard.size()) {
      paste();
      return;
    }
    CloseUndoStep();
    if (!fitting.isEmpty() || hasSelectedText()) insert(fitting);
    CloseUndoStep();
  }

 protected:
  // event() rather than keyPressEvent(), so that Tab, which QWidget turns into a focus move before
  // keyPressEvent, is reported too.
  bool event(QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QLineEdit::event(event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (owner_.FilterKey(*key) || owner_.KeyDoesNotFit(*key)) {
      key->accept();
      return true;
    }
    if (key->matches(QKeySequence::Paste)) {
      PasteWithinLimit();
      key->accept();
      return true;
    }
    const bool handled = QLineEdit::event(event);
    PushWindowButtonFor(key->key());
    return handled;
  }

  void dragEnterEvent(QDragEnterEvent* event) override {
    AnswerDragWithin(*event, LimitFor(*event), [this, event] { QLineEdit::dragEnterEvent(event); });
  }

  void dragMoveEvent(QDragMoveEvent* event) override {
    AnswerDragWithin(*event, LimitFor(*event), [this, event] { QLineEdit::dragMoveEvent(event); });
  }

  void dropEvent(QDropEvent* event) override {
    DeliverDropWithin(*event, LimitFor(*event),
                      [this](QDropEvent& drop) { QLineEdit::dropEvent(&drop); });
  }

  // A commit may also replace text next to the caret, which makes room.
  void inputMethodEvent(QInputMethodEvent* event) override {
    const QString commit = event->commitString();
    if (owner_.maximumCharacters_ <= 0 || commit.isEmpty()) {
      QLineEdit::inputMethodEvent(event);
      return;
    }
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype from =
        std::clamp<qsizetype>(caret + event->replacementStart(), 0, text().size());
    const QString replaced = text().mid(from, std::max(0, event->replacementLength()));
    DeliverCommitWithin(
        *event, owner_.RoomLeft() + StoredLength(replaced, kLineEnds), kLineEnds,
        [this](QInputMethodEvent& fitting) { QLineEdit::inputMethodEvent(&fitting); });
  }

 private:
  // Qt's paste is an undo step of its own, apart from the typing before and after it; a move
  // of the caret marks such a step's edge too. A selection, about to be replaced, stays.
  void CloseUndoStep() {
    if (hasSelectedText() || text().isEmpty()) return;
    const int caret = cursorPosition();
    setCursorPosition(caret > 0 ? caret - 1 : caret + 1);
    setCursorPosition(caret);
  }

  // A drop replaces no selection; text moved within the field would leave where it was.
  DropLimit LimitFor(const QDropEvent& event) const {
    return {owner_.maximumCharacters_,
            [this, &event] {
              const bool movedWithin =
                  event.source() == this && event.dropAction() == Qt::MoveAction;
              return RoomLeftUnder(owner_.maximumCharacters_, text(),
                                   movedWithin ? selectedText() : QString(), kLineEnds);
            },
            kLineEnds};
  }

  void PushWindowButtonFor(int key) {
    if (!owner_.DeliversEvents()) return;
    PushButton* button = nullptr;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      button = owner_.OwnerWindow().DefaultButton();
    } else if (key == Qt::Key_Escape) {
      button = owner_.OwnerWindow().CancelButton();
    }
    if (button != nullptr) button->Push();
  }

  TextField& owner_;
};

TextField::TextField(Window& window)
    : RectControl(window, new FieldWidget(*this)), field_(static_cast<FieldWidget*>(Widget())) {
  field_->setMaxLength(kNoLimit);
  field_->setValidator(new LimitValidator(*this, *field_));
  UpdateFocusPolicy();
}

TextField::~TextField() = default;

String TextField::Text() const {
  return FromQString(field_->text());
}

void TextField::SetText(const String& text) {
  field_->setText(FittingLimit(ToQString(text)));
}

void TextField::SetMaximumCharactersAllowed(std::int64_t count) {
  maximumCharacters_ = count;
  const QString text = field_->text();
  const QString fitting = FittingLimit(text);
  if (fitting.size() != text.size()) field_->setText(fitting);
}

QString TextField::FittingLimit(const QString& text) const {
  if (maximumCharacters_ <= 0) return text;
  return FittingStart(text, maximumCharacters_, kLineEnds);
}

bool TextField::ReadOnly() const {
  return field_->isReadOnly();
}

void TextField::SetReadOnly(bool readOnly) {
  field_->setReadOnly(readOnly);
}

QLineEdit& TextField::Editor() const {
  return *field_;
}

void TextField::AddEventHandler(std::int64_t eventNumber, const Delegate& delegate) {
  if (eventNumber == kKeyDownEvent) {
    keyDown_ = delegate.As<bool(TextField&, const String&)>("( TextField, String ) as Boolean",
                                                            "TextField KeyDown");
    return;
  }
  RectControl::AddEventHandler(eventNumber, delegate);
}

bool TextField::FilterKey(const QKeyEvent& event) {
  if (!keyDown_ || !DeliversEvents()) return false;
  const std::optional<String> key = KeyDownText(event);
  if (!key) return false;
  return CallProgramHandler([&] { return keyDown_(*this, *key); });
}

void TextField::Paste(QLineEdit& editor) {
  if (auto* field = dynamic_cast<FieldWidget*>(&editor)) {
    field->PasteWithinLimit();
  } else {
    editor.paste();
  }
}

std::int64_t TextField::RoomLeft() const {
  return RoomLeftUnder(maximumCharacters_, field_->text(), field_->selectedText(), kLineEnds);
}

bool TextField::KeyDoesNotFit(const QKeyEvent& event) const {
  if (maximumCharacters_ <= 0) return false;
  const std::int64_t needed = StoredLength(TypedText(event, false), kLineEnds);
  return needed > 0 && needed > RoomLeft();
}

void TextField::ApplyProperty(const Property& property) {
  const std::string& name = property.name;
  if (name == "Value") {
    SetText(TextValue(property));
  } else if (name == "MaximumCharactersAllowed") {
    SetMaximumCharactersAllowed(IntegerValue(property));
  } else if (name == "ReadOnly") {
    SetReadOnly(BooleanValue(property));
  } else if (name == "Password") {
    field_->setEchoMode(BooleanValue(property) ? QLineEdit::Password : QLineEdit::Normal);
  } else if (name == "HasBorder") {
    field_->setFrame(BooleanValue(property));
  } else if (name == "TextAlignment") {
    field_->setAlignment(AlignmentFromLayout(IntegerValue(property)));
  } else {
    RectControl::ApplyProperty(property);
  }
}

}  // namespace rt
