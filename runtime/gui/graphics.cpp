#include "runtime/gui/graphics.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace rt {

Graphics::Graphics(std::unique_ptr<QPagedPaintDevice> device)
    : device_(std::move(device)), painter_(std::make_unique<QPainter>()) {
  failed_ = !painter_->begin(device_.get());
  if (!failed_) UsePointUnits();
}

Graphics::~Graphics() {
  if (painter_->isActive()) painter_->end();
}

void Graphics::NextPage() {
  if (failed_) return;
  if (!device_->newPage()) {
    failed_ = true;
    return;
  }
  ++pagesBegun_;
  UsePointUnits();
}

void Graphics::CentreColumn(double width) {
  const QPageLayout layout = device_->pageLayout();
  const QRectF paper = layout.fullRect(QPageLayout::Point);
  // In full-page mode this is the paper itself.
  const QRectF printable = layout.paintRect(QPageLayout::Point);
  const double margin = (paper.width() - width) / 2;
  origin_ = QPointF(std::max(margin, printable.left()) - printable.left(),
                    std::max(margin, printable.top()) - printable.top());
  if (!failed_) UsePointUnits();
}

QPainter& Graphics::Painter() {
  return *painter_;
}

void Graphics::UsePointUnits() {
  // The painter starts at the printable area's top-left corner in device pixels.
  QTransform points =
      QTransform::fromScale(device_->logicalDpiX() / 72.0, device_->logicalDpiY() / 72.0);
  points.translate(origin_.x(), origin_.y());
  painter_->setWorldTransform(points);
}

}  // namespace rt
