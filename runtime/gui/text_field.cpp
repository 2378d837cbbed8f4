#include "runtime/gui/text_field.h"

#include <QKeyEvent>

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

// QLineEdit's own limit, which stands for none.
constexpr int kNoLimit = 32767;

}  // namespace

class TextField::FieldWidget : public QLineEdit {
 public:
  explicit FieldWidget(TextField& owner) : owner_(owner) {}

 protected:
  // event() rather than keyPressEvent(), so that Tab, which QWidget turns into a focus move before
  // keyPressEvent, is reported too.
  bool event(QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QLineEdit::event(event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (owner_.FilterKey(*key)) {
      key->accept();
      return true;
    }
    const bool handled = QLineEdit::event(event);
    PushWindowButtonFor(key->key());
    return handled;
  }

 private:
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
  UpdateFocusPolicy();
}

TextField::~TextField() = default;

String TextField::Text() const {
  return FromQString(field_->text());
}

void TextField::SetText(const String& text) {
  field_->setText(ToQString(text));
}

void TextField::SetMaximumCharactersAllowed(std::int64_t count) {
  maximumCharacters_ = count;
  field_->setMaxLength(count > 0 && count < kNoLimit ? static_cast<int>(count) : kNoLimit);
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
  return CallProgramHandler(OwnerWindow(), [&] { return keyDown_(*this, *key); });
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
