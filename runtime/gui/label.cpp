#include "runtime/gui/label.h"

#include "runtime/gui/layout_values.h"
#include "runtime/gui/qt_text.h"

namespace rt {

Label::Label(Window& window)
    : RectControl(window, new QLabel), label_(static_cast<QLabel*>(Widget())) {
  label_->setTextFormat(Qt::PlainText);
  label_->setAlignment(AlignmentFromLayout(0));
  UpdateFocusPolicy();
}

Label::~Label() = default;

String Label::Text() const {
  return FromQString(label_->text());
}

void Label::SetText(const String& text) {
  label_->setText(ToQString(text));
}

Qt::FocusPolicy Label::FocusPolicyFor(bool) const {
  return Qt::NoFocus;
}

void Label::ApplyProperty(const Property& property) {
  const std::string& name = property.name;
  if (name == "Value") {
    SetText(TextValue(property));
  } else if (name == "TextAlignment") {
    label_->setAlignment(AlignmentFromLayout(IntegerValue(property)));
  } else if (name == "Multiline") {
    label_->setWordWrap(BooleanValue(property));
  } else {
    RectControl::ApplyProperty(property);
  }
}

}  // namespace rt
