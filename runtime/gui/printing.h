#pragma once

#include <QPointF>
#include <memory>

#include "runtime/core/string.h"

class QPainter;
class QPagedPaintDevice;
class QTextDocument;

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

// Draws a styled text block by block. Each block is at most the printer's width wide and the
// given height high; a line is never split across blocks, and each line is drawn on one page only.
// Making one centres the graphics' column of that width on the paper (Graphics::CentreColumn).
class StyledTextPrinter {
 public:
  StyledTextPrinter(const QTextDocument& text, Graphics& graphics, double width);
  ~StyledTextPrinter();

  void DrawBlock(double x, double y, double height);
  bool Eof() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Shows the platform's print dialog (through the seam) for a job of that name, which the PDF file
// it proposes is named after too; the page graphics, or nullptr when the user cancels or when the
// chosen printer or file cannot start the job, which a message box tells the user. The page
// set-up and parent window are accepted for the call's shape and unused.
std::unique_ptr<Graphics> OpenPrinterDialog(const void* pageSetup = nullptr,
                                            const void* parent = nullptr,
                                            const String& jobName = String("Untitled"));

}  // namespace rt
