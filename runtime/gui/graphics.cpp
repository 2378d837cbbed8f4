#include <QPagedPaintDevice>
#include <QPainter>

#include "runtime/gui/printing.h"

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

QPainter& Graphics::Painter() {
  return *painter_;
}

void Graphics::UsePointUnits() {
  // The painter starts at the printable area's top-left corner in device pixels.
  painter_->setWorldTransform(
      QTransform::fromScale(device_->logicalDpiX() / 72.0, device_->logicalDpiY() / 72.0));
}

}  // namespace rt
