#include "runtime/gui/canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "runtime/gui/delegate.h"
#include "runtime/gui/exception_edge.h"
#include "runtime/gui/layout_values.h"
#include "runtime/gui/picture.h"

namespace rt {

class Canvas::Surface : public QWidget {
 public:
  explicit Surface(Canvas& owner) : owner_(owner) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    owner_.Paint(painter);
  }

  void mousePressEvent(QMouseEvent* event) override {
    // A press with no handler goes on to the window underneath.
    if (owner_.MousePressed(event->position().toPoint())) {
      event->accept();
    } else {
      event->ignore();
    }
  }

  void leaveEvent(QEvent*) override { owner_.MouseLeft(); }

 private:
  Canvas& owner_;
};

Canvas::Canvas(Window& window) : RectControl(window, new Surface(*this)) {
  UpdateFocusPolicy();
}

Canvas::~Canvas() = default;

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
  backdrop_ = std::move(picture);
  Widget()->update();
}

void Canvas::AddEventHandler(std::int64_t eventNumber, const Delegate& delegate) {
  if (eventNumber == kMouseExitEvent) {
    mouseExit_ = delegate.As<void(Canvas&)>("( Canvas )", "Canvas MouseExit");
  } else if (eventNumber == kMouseDownEvent) {
    mouseDown_ = delegate.As<bool(Canvas&, std::int64_t, std::int64_t)>(
        "( Canvas, Integer, Integer ) as Boolean", "Canvas MouseDown");
  } else {
    RectControl::AddEventHandler(eventNumber, delegate);
  }
}

void Canvas::ApplyProperty(const Property& property) {
  if (property.name == "AllowFocus") {
    allowFocus_ = BooleanValue(property);
    UpdateFocusPolicy();
  } else {
    RectControl::ApplyProperty(property);
  }
}

Qt::FocusPolicy Canvas::FocusPolicyFor(bool tabStop) const {
  return allowFocus_ ? RectControl::FocusPolicyFor(tabStop) : Qt::NoFocus;
}

void Canvas::Paint(QPainter& painter) const {
  if (!backdrop_) return;
  const QPixmap& picture = backdrop_->Pixmap();
  const QSize room = painter.device() ? QSize(painter.device()->width(), painter.device()->height())
                                      : picture.size();
  // A picture that fits is drawn at its own size from the top-left corner; a larger one is
  // scaled down to fit, keeping its proportions, rather than cut off.
  if (picture.width() <= room.width() && picture.height() <= room.height()) {
    painter.drawPixmap(QPoint(0, 0), picture);
    return;
  }
  const QSize fitted = picture.size().scaled(room, Qt::KeepAspectRatio);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QRect(QPoint(0, 0), fitted), picture);
}

bool Canvas::MousePressed(const QPoint& position) {
  if (!mouseDown_ || !DeliversEvents()) return false;
  CallProgramHandler([&] { return mouseDown_(*this, position.x(), position.y()); });
  return true;
}

void Canvas::MouseLeft() {
  if (!mouseExit_ || !DeliversEvents()) return;
  CallProgramHandler([this] { mouseExit_(*this); });
}

}  // namespace rt
