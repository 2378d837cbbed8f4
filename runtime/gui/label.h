#pragma once

#include <QLabel>

#include "runtime/gui/rect_control.h"

namespace rt {

// A static text; never takes the focus.
class Label : public RectControl {
 public:
  static constexpr std::string_view kClassName = "Label";

  explicit Label(Window& window);
  ~Label() override;

  std::string_view ClassName() const override { return kClassName; }

  String Text() const;
  void SetText(const String& text);

 protected:
  void ApplyProperty(const Property& property) override;
  Qt::FocusPolicy FocusPolicyFor(bool tabStop) const override;

 private:
  QLabel* label_;
};

}  // namespace rt
