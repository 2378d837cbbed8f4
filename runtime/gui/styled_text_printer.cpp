#include "runtime/gui/styled_text_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <vector>

#include "runtime/gui/graphics.h"

namespace rt {
namespace {

// Line positions come out of the layout in 1/64 pixel steps; a line that ends within this
// much of the block's bottom edge still fits.
constexpr double kFitTolerance = 0.05;

struct LaidOutLine {
  QTextLayout* layout;
  int index;
  double top;     // in the document, device pixels
  double bottom;  // top plus the line's height
};

}  // namespace

struct StyledTextPrinter::Impl {
  Impl(Graphics& graphics, QTextDocument* document) : graphics(graphics), document(document) {}

  Graphics& graphics;
  std::unique_ptr<QTextDocument> document;
  std::vector<LaidOutLine> lines;
  std::size_t next = 0;
};

StyledTextPrinter::StyledTextPrinter(const QTextDocument& text, Graphics& graphics, double width)
    : impl_(std::make_unique<Impl>(graphics, text.clone())) {
  graphics.CentreColumn(width);
  QTextDocument& document = *impl_->document;
  QPagedPaintDevice& device = graphics.Device();
  // On screen a layout's font size counts pixels at 72 to the inch; on paper the same number
  // counts points, so the printed text has the proportions of the screen.
  QFont font = document.defaultFont();
  if (font.pixelSize() > 0) {
    font.setPointSizeF(font.pixelSize());
    document.setDefaultFont(font);
  }
  // Laid out against the printer, a 10 pt font measures 10 pt on paper whatever the screen.
  document.documentLayout()->setPaintDevice(&device);
  document.setDocumentMargin(0);
  QTextOption option = document.defaultTextOption();
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document.setDefaultTextOption(option);
  document.setTextWidth(width * device.logicalDpiX() / 72.0);
  if (document.isEmpty()) return;

  QAbstractTextDocumentLayout& documentLayout = *document.documentLayout();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (!block.isVisible()) continue;
    documentLayout.blockBoundingRect(block);  // lays the document out as far as this block
    QTextLayout* layout = block.layout();
    const double blockTop = layout->position().y();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      impl_->lines.push_back({layout, i, blockTop + line.y(), blockTop + line.y() + line.height()});
    }
  }
}

StyledTextPrinter::~StyledTextPrinter() = default;

void StyledTextPrinter::DrawBlock(double x, double y, double height) {
  if (Eof()) return;
  const std::vector<LaidOutLine>& lines = impl_->lines;
  QPagedPaintDevice& device = impl_->graphics.Device();
  const double limit = height * device.logicalDpiY() / 72.0 + kFitTolerance;
  const std::size_t first = impl_->next;
  const double top = lines[first].top;
  // The first line goes in even when it is taller than the block, or printing would never end.
  std::size_t end = first + 1;
  while (end < lines.size() && lines[end].bottom - top <= limit) ++end;

  QPainter& painter = impl_->graphics.Painter();
  if (painter.isActive()) {
    painter.save();
    painter.translate(x, y);
    painter.scale(72.0 / device.logicalDpiX(), 72.0 / device.logicalDpiY());
    // Line by line, so that nothing of the lines after the block reaches this page, not even
    // clipped away.
    for (std::size_t i = first; i < end; ++i) {
      const LaidOutLine& line = lines[i];
      line.layout->lineAt(line.index).draw(&painter, line.layout->position() - QPointF(0, top));
    }
    painter.restore();
  }
  impl_->next = end;
}

bool StyledTextPrinter::Eof() const {
  return impl_->next >= impl_->lines.size();
}

}  // namespace rt
