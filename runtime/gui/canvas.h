#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "runtime/gui/rect_control.h"

class QPainter;

namespace rt {

class Picture;

// A drawing surface that shows its Backdrop picture at its top-left corner: at the picture's own
// size when it fits, scaled down to fit otherwise; without a picture it paints nothing.
//
// Events: MouseExit (12, "( Canvas )") when the pointer leaves it; MouseDown (21,
// "( Canvas, Integer, Integer ) as Boolean") on a mouse press, with x and y in canvas coordinates.
// A canvas takes the focus only when AllowFocus is True.
class Canvas : public RectControl {
 public:
  static constexpr std::string_view kClassName = "Canvas";
  static constexpr std::int64_t kMouseExitEvent = 12;
  static constexpr std::int64_t kMouseDownEvent = 21;

  explicit Canvas(Window& window);
  ~Canvas() override;

  std::string_view ClassName() const override { return kClassName; }

  const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }
  void SetBackdrop(std::shared_ptr<Picture> picture);  // nullptr: none

  void AddEventHandler(std::int64_t eventNumber, const Delegate& delegate) override;

 protected:
  void ApplyProperty(const Property& property) override;
  Qt::FocusPolicy FocusPolicyFor(bool tabStop) const override;

 private:
  class Surface;
  friend class Surface;

  void Paint(QPainter& painter) const;
  bool MousePressed(const QPoint& position);  // true when a handler took the press
  void MouseLeft();

  std::shared_ptr<Picture> backdrop_;
  bool allowFocus_ = false;
  std::function<void(Canvas&)> mouseExit_;
  std::function<bool(Canvas&, std::int64_t, std::int64_t)> mouseDown_;
};

}  // namespace rt
