#include "runtime/gui/rect_control.h"

#include <cmath>

#include <string>

#include "runtime/core/exceptions.h"
#include "runtime/gui/font_names.h"
#include "runtime/gui/ignored_properties.h"
#include "runtime/gui/layout_values.h"
#include "runtime/gui/qt_text.h"
#include "runtime/gui/window.h"

namespace rt {

RectControl::RectControl(Window& window, QWidget* widget) : window_(&window), widget_(widget) {
  if (widget_) {
    widget_->setParent(window.ContentArea());
    widget_->show();
  }
}

RectControl::~RectControl() {
  delete widget_.data();
}

void RectControl::SetProperties(std::string_view layoutBytes) {
  for (const Property& property : DecodeLayout(layoutBytes)) ApplyProperty(property);
  PropertiesApplied();
  window_->ControlLayoutChanged();
}

void RectControl::SetName(const String& name) {
  name_ = name;
  if (widget_) widget_->setObjectName(ToQString(name));
}

void RectControl::SetBounds(std::int64_t left, std::int64_t top, std::int64_t width,
                            std::int64_t height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Reposition();
}

void RectControl::SetVisible(bool visible) {
  visible_ = visible;
  if (widget_) widget_->setVisible(visible);
}

void RectControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (widget_) widget_->setEnabled(enabled);
}

void RectControl::SetFocus() {
  if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

void RectControl::AddEventHandler(std::int64_t eventNumber, const Delegate&) {
  ThrowUnknownEvent(eventNumber);
}

void RectControl::ThrowUnknownEvent(std::int64_t eventNumber) const {
  throw UnsupportedFormatException(std::string(ClassName()) + " has no event " +
                                   std::to_string(eventNumber));
}

bool RectControl::DeliversEvents() const {
  return window_->DeliversEvents();
}

Qt::FocusPolicy RectControl::FocusPolicyFor(bool tabStop) const {
  return tabStop ? Qt::StrongFocus : Qt::ClickFocus;
}

void RectControl::UpdateFocusPolicy() {
  if (widget_) widget_->setFocusPolicy(FocusPolicyFor(tabStop_));
}

void RectControl::ApplyProperty(const Property& property) {
  const std::string& name = property.name;
  if (name == "Name") {
    SetName(TextValue(property));
    return;
  }
  if (name == "Index") {
    index_ = IntegerValue(property);
    return;
  }
  if (name == "Visible") {
    SetVisible(BooleanValue(property));
    return;
  }
  if (name == "Enabled") {
    SetEnabled(BooleanValue(property));
    return;
  }
  if (!widget_) {
    SkipUnhonouredProperty(ClassName(), property);
    return;
  }
  if (name == "Left") {
    left_ = IntegerValue(property);
    Reposition();
  } else if (name == "Top") {
    top_ = IntegerValue(property);
    Reposition();
  } else if (name == "Width") {
    width_ = IntegerValue(property);
    Reposition();
  } else if (name == "Height") {
    height_ = IntegerValue(property);
    Reposition();
  } else if (name == "TabStop") {
    tabStop_ = BooleanValue(property);
    UpdateFocusPolicy();
  } else if (name == "TabIndex") {
    tabIndex_ = IntegerValue(property);
  } else if (name == "Tooltip") {
    widget_->setToolTip(ToQString(TextValue(property)));
  } else if (name == "FontName" || name == "FontSize" || name == "Bold" || name == "Italic" ||
             name == "Underline") {
    ApplyFontProperty(property);
  } else if (name == "TextColor") {
    QPalette palette = widget_->palette();
    const QColor colour = ColourValue(property);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget_->setPalette(palette);
  } else if (name == "BackgroundColor") {
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Base, ColourValue(property));
    widget_->setPalette(palette);
  } else if (name == "InitialParent") {
    PlaceOn(TextValue(property));
  } else {
    SkipUnhonouredProperty(ClassName(), property);
  }
}

void RectControl::ApplyFontProperty(const Property& property) {
  QFont font = widget_->font();
  const std::string& name = property.name;
  if (name == "FontName") {
    font = FontNamed(TextValue(property), font);
  } else if (name == "FontSize") {
    // The layouts were drawn at 72 units to the inch, where a point is a pixel: a size taken as
    // pixels keeps every caption inside the box the layout gives it. 0 keeps the platform's size.
    if (const double size = FontSizeValue(property); size > 0) {
      font.setPixelSize(static_cast<int>(std::lround(size)));
    }
  } else if (name == "Bold") {
    font.setBold(BooleanValue(property));
  } else if (name == "Italic") {
    font.setItalic(BooleanValue(property));
  } else {
    font.setUnderline(BooleanValue(property));
  }
  widget_->setFont(font);
}

void RectControl::PlaceOn(const String& parentName) {
  QWidget* parent = window_->ContentArea();
  if (!parentName.IsEmpty()) {
    RectControl* host = window_->ControlByName(parentName);
    if (host == nullptr || host == this || host->Widget() == nullptr) {
      throw UnsupportedFormatException("InitialParent of " + name_.ToUtf8() + " names no control " +
                                       parentName.ToUtf8() + " to be placed on");
    }
    parent = host->Widget();
  }
  if (widget_->parentWidget() != parent) {
    widget_->setParent(parent);
    // A widget that changes its parent is hidden until shown again.
    widget_->setVisible(visible_);
  }
  Reposition();
}

void RectControl::Reposition() {
  if (!widget_) return;
  QWidget* content = window_->ContentArea();
  QWidget* parent = widget_->parentWidget();
  const QPoint inContent(static_cast<int>(left_), static_cast<int>(top_));
  const QPoint inParent =
      parent == nullptr || parent == content ? inContent : parent->mapFrom(content, inContent);
  widget_->setGeometry(inParent.x(), inParent.y(), static_cast<int>(width_),
                       static_cast<int>(height_));
}

}  // namespace rt
