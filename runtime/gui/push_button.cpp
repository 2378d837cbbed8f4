#include "runtime/gui/push_button.h"

#include "runtime/gui/delegate.h"
#include "runtime/gui/exception_edge.h"
#include "runtime/gui/layout_values.h"
#include "runtime/gui/qt_text.h"

namespace rt {

PushButton::PushButton(Window& window)
    : RectControl(window, new QPushButton), button_(static_cast<QPushButton*>(Widget())) {
  // Outside a dialog Qt's default buttons only change the look; Window decides what Return does.
  button_->setAutoDefault(false);
  QObject::connect(button_, &QPushButton::clicked, button_, [this] {
    if (!action_ || !DeliversEvents()) return;
    CallProgramHandler([this] { action_(*this); });
  });
  UpdateFocusPolicy();
}

PushButton::~PushButton() = default;

String PushButton::Caption() const {
  return FromQString(button_->text());
}

void PushButton::SetCaption(const String& caption) {
  button_->setText(ToQString(caption));
}

void PushButton::Push() {
  if (button_->isEnabled() && Visible()) button_->click();
}

QPushButton& PushButton::Button() const {
  return *button_;
}

void PushButton::AddEventHandler(std::int64_t eventNumber, const Delegate& delegate) {
  if (eventNumber == kActionEvent) {
    action_ = delegate.As<void(PushButton&)>("( PushButton )", "PushButton Action");
    return;
  }
  RectControl::AddEventHandler(eventNumber, delegate);
}

void PushButton::ApplyProperty(const Property& property) {
  const std::string& name = property.name;
  if (name == "Caption") {
    SetCaption(TextValue(property));
  } else if (name == "Default") {
    default_ = BooleanValue(property);
  } else if (name == "Cancel") {
    cancel_ = BooleanValue(property);
  } else {
    RectControl::ApplyProperty(property);
  }
}

}  // namespace rt
