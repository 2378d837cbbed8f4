#pragma once

#include <memory>

class QTextDocument;

namespace rt {

class Graphics;

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

}  // namespace rt
