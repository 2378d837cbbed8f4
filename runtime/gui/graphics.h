#pragma once

#include <QPointF>
#include <memory>

class QPainter;
class QPagedPaintDevice;

namespace rt {

// The page graphics of a print job, in points (1/72 inch) from the page's origin: the printable
// area's top-left corner until CentreColumn moves it. The job ends when the Graphics is destroyed.
class Graphics {
 public:
  explicit Graphics(std::unique_ptr<QPagedPaintDevice> device);
  ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  void NextPage();  // ends the current page and begins the next
  // Moves the origin of this page and of every later one so that a column `width` points wide
  // stands centred across the paper, as far below the paper's top edge as it is from the sides;
  // never into the edge that the printer cannot print.
  void CentreColumn(double width);
  QPainter& Painter();
  int PagesBegun() const { return pagesBegun_; }
  bool Failed() const { return failed_; }  // the job could not be started or written

  QPagedPaintDevice& Device() { return *device_; }

 private:
  void UsePointUnits();

  std::unique_ptr<QPagedPaintDevice> device_;
  std::unique_ptr<QPainter> painter_;
  QPointF origin_;  // from the printable area's corner, in points
  int pagesBegun_ = 1;
  bool failed_ = false;
};

}  // namespace rt
