#include <gtest/gtest.h>

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/gui/graphics.h"
#include "runtime/gui/open_printer_dialog.h"
#include "runtime/gui/styled_text_printer.h"
#include "tests/support/gui_test.h"
#include "tests/support/pdf_text.h"
#include "tests/support/temporary_folder.h"

namespace {

using testsupport::PdfPage;
using testsupport::PdfPageCount;
using testsupport::PdfPages;
using testsupport::PdfWord;

std::vector<std::string> Texts(const PdfPage& page) {
  std::vector<std::string> texts;
  for (const PdfWord& word : page.words) texts.push_back(word.text);
  return texts;
}

// "line001" ... : one word per line, so pdftotext shows every line as one word.
std::vector<std::string> NumberedLines(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) {
    const std::string number = std::to_string(i);
    lines.push_back("line" + std::string(3 - number.size(), '0') + number);
  }
  return lines;
}

class PrintingTest : public testsupport::GuiTest {
 protected:
  void SetText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    document.setDefaultFont(QFont(QStringLiteral("Courier"), 10));  // as the report area has it
    document.setPlainText(QString::fromStdString(text));
  }

  // The program's print loop: one block of 540 by 540 points per page, and a new page only
  // while text is left. Returns the blocks drawn.
  int PrintToPdf(const std::filesystem::path& pdf) {
    platform.AnswerPrintToPdf(pdf);
    std::unique_ptr<rt::Graphics> graphics = rt::OpenPrinterDialog();
    if (!graphics) {
      ADD_FAILURE() << "no page graphics";
      return 0;
    }
    rt::StyledTextPrinter printer(document, *graphics, 540);
    int blocks = 0;
    while (!printer.Eof()) {
      printer.DrawBlock(0, 0, 540);
      ++blocks;
      if (!printer.Eof()) graphics->NextPage();
    }
    EXPECT_EQ(graphics->PagesBegun(), std::max(blocks, 1));
    return blocks;
  }

  testsupport::TemporaryFolder folder;
  QTextDocument document;
};

TEST_F(PrintingTest, TextThatFitsOneBlockPrintsOnePage) {
  SetText(NumberedLines(5));
  const std::filesystem::path pdf = folder / "short.pdf";
  EXPECT_EQ(PrintToPdf(pdf), 1);
  EXPECT_EQ(PdfPageCount(pdf), 1);
  const std::vector<PdfPage> pages = PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(Texts(pages[0]), NumberedLines(5));
}

// 10 pt Courier lines are about 11 pt apart, so some 47 fit a block: 120 lines need three.
TEST_F(PrintingTest, LongTextPrintsEachLineOnceInOrderOnThreePages) {
  SetText(NumberedLines(120));
  const std::filesystem::path pdf = folder / "long.pdf";
  EXPECT_EQ(PrintToPdf(pdf), 3);
  EXPECT_EQ(PdfPageCount(pdf), 3);

  std::vector<std::string> printed;
  for (const PdfPage& page : PdfPages(pdf)) {
    EXPECT_FALSE(page.words.empty()) << "blank page";
    for (const std::string& text : Texts(page)) printed.push_back(text);
  }
  // A line drawn on two pages, even hidden on one, would show here twice.
  EXPECT_EQ(printed, NumberedLines(120));
}

TEST_F(PrintingTest, TextThatFillsTwoBlocksExactlyGivesNoBlankThirdPage) {
  SetText(NumberedLines(120));
  const std::filesystem::path measure = folder / "measure.pdf";
  PrintToPdf(measure);
  const std::vector<PdfPage> measured = PdfPages(measure);
  ASSERT_FALSE(measured.empty());
  const int linesPerBlock = static_cast<int>(measured[0].words.size());

  SetText(NumberedLines(2 * linesPerBlock));
  const std::filesystem::path pdf = folder / "two.pdf";
  EXPECT_EQ(PrintToPdf(pdf), 2);
  EXPECT_EQ(PdfPageCount(pdf), 2);
}

// The block has a margin of its own: centred across the paper, as far from the top as from the
// sides, whatever the printer's unprintable edge.
TEST_F(PrintingTest, BlockIsCentredAcrossThePaperWithTheSameMarginAtTheTop) {
  std::string paragraph;  // one paragraph that must be wrapped at the block's width
  for (const std::string& word : NumberedLines(600)) paragraph += word + " ";
  SetText({paragraph});
  const std::filesystem::path pdf = folder / "wrapped.pdf";
  const int blocks = PrintToPdf(pdf);

  const std::vector<PdfPage> pages = PdfPages(pdf);
  ASSERT_EQ(static_cast<int>(pages.size()), blocks);
  std::vector<std::string> printed;
  for (const PdfPage& page : pages) {
    ASSERT_FALSE(page.words.empty());
    const double margin = (page.width - 540) / 2;
    ASSERT_GT(margin, 20.0) << "paper narrower than expected: " << page.width;
    double left = page.words[0].xMin, top = page.words[0].yMin, right = left, bottom = top;
    for (const PdfWord& word : page.words) {
      left = std::min(left, word.xMin);
      top = std::min(top, word.yMin);
      right = std::max(right, word.xMax);
      bottom = std::max(bottom, word.yMax);
      printed.push_back(word.text);
    }
    EXPECT_NEAR(left, margin, 1.0);
    EXPECT_NEAR(top, margin, 3.0);  // the first line's ascent lies below its top
    EXPECT_LE(right, margin + 540.0);
    EXPECT_GT(right, margin + 500.0) << "the text is wrapped at the block's width";
    EXPECT_LE(bottom, margin + 540.0);
  }
  EXPECT_EQ(printed, NumberedLines(600));
}

// On paper narrower than the block there is no margin to centre it with; it then starts at the
// printable area's corner instead of off the paper's edge.
TEST_F(PrintingTest, OnPaperNarrowerThanTheBlockTheOriginStaysInThePrintableArea) {
  const std::filesystem::path pdf = folder / "narrow.pdf";
  {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(pdf.string()));
    printer->setPageSize(QPageSize(QPageSize::A5));  // 420 points wide
    printer->setPageMargins(QMarginsF(15, 20, 15, 20), QPageLayout::Point);
    rt::Graphics graphics(std::move(printer));
    ASSERT_FALSE(graphics.Failed());
    SetText({"corner"});
    rt::StyledTextPrinter(document, graphics, 540).DrawBlock(0, 0, 540);
  }
  const std::vector<PdfPage> pages = PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].words.size(), 1u);
  EXPECT_NEAR(pages[0].words[0].xMin, 15.0, 1.0);
  EXPECT_NEAR(pages[0].words[0].yMin, 20.0, 3.0);
}

// Laid out at the screen's resolution instead of the printer's, the lines would come out a
// third taller or many times too small.
TEST_F(PrintingTest, TenPointTextIsPrintedTenPointsHigh) {
  SetText(NumberedLines(2));
  const std::filesystem::path pdf = folder / "size.pdf";
  PrintToPdf(pdf);
  const std::vector<PdfPage> pages = PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].words.size(), 2u);
  const double lineSpacing = pages[0].words[1].yMin - pages[0].words[0].yMin;
  EXPECT_GT(lineSpacing, 10.0);
  EXPECT_LT(lineSpacing, 13.0);
}

TEST_F(PrintingTest, GraphicsUnitsArePoints) {
  const std::filesystem::path pdf = folder / "units.pdf";
  platform.AnswerPrintToPdf(pdf);
  {
    std::unique_ptr<rt::Graphics> graphics = rt::OpenPrinterDialog();
    ASSERT_NE(graphics, nullptr);
    const QPointF corner = graphics->Painter().transform().map(QPointF(540, 540));
    EXPECT_DOUBLE_EQ(corner.x() / graphics->Device().logicalDpiX(), 7.5);  // inches
    EXPECT_DOUBLE_EQ(corner.y() / graphics->Device().logicalDpiY(), 7.5);

    QFont font(QStringLiteral("Courier"));
    font.setPixelSize(10);  // painter units
    graphics->Painter().setFont(font);
    graphics->Painter().drawText(QPointF(0, 100), QStringLiteral("origin"));
    graphics->Painter().drawText(QPointF(540, 100), QStringLiteral("far"));
    graphics->NextPage();  // the second page keeps the units
    graphics->Painter().drawText(QPointF(270, 100), QStringLiteral("middle"));
  }
  const std::vector<PdfPage> pages = PdfPages(pdf);
  ASSERT_EQ(pages.size(), 2u);
  ASSERT_EQ(pages[0].words.size(), 2u);
  ASSERT_EQ(pages[1].words.size(), 1u);
  EXPECT_NEAR(pages[0].words[1].xMin - pages[0].words[0].xMin, 540.0, 0.5);
  EXPECT_NEAR(pages[1].words[0].xMin - pages[0].words[0].xMin, 270.0, 0.5);
}

TEST_F(PrintingTest, LineTallerThanTheBlockIsDrawnAnyway) {
  SetText({"first", "second"});
  platform.AnswerPrintToPdf(folder / "tall.pdf");
  std::unique_ptr<rt::Graphics> graphics = rt::OpenPrinterDialog();
  rt::StyledTextPrinter printer(document, *graphics, 540);
  printer.DrawBlock(0, 0, 5);
  EXPECT_FALSE(printer.Eof());
  printer.DrawBlock(0, 0, 5);
  EXPECT_TRUE(printer.Eof());
}

TEST_F(PrintingTest, EmptyTextIsAtItsEndAtOnceButLineEndsArePrinted) {
  platform.AnswerPrintToPdf(folder / "empty.pdf");
  std::unique_ptr<rt::Graphics> graphics = rt::OpenPrinterDialog();
  EXPECT_TRUE(rt::StyledTextPrinter(document, *graphics, 540).Eof());
  document.setPlainText(QStringLiteral("\n"));
  EXPECT_FALSE(rt::StyledTextPrinter(document, *graphics, 540).Eof());
}

TEST_F(PrintingTest, PrinterWorksOnACopyOfTheText) {
  SetText(NumberedLines(3));
  const std::filesystem::path pdf = folder / "copy.pdf";
  platform.AnswerPrintToPdf(pdf);
  {
    std::unique_ptr<rt::Graphics> graphics = rt::OpenPrinterDialog();
    rt::StyledTextPrinter printer(document, *graphics, 540);
    document.setPlainText(QStringLiteral("changed after the printer was made"));
    printer.DrawBlock(0, 0, 540);
    EXPECT_TRUE(printer.Eof());
  }
  EXPECT_EQ(Texts(PdfPages(pdf).at(0)), NumberedLines(3));
}

TEST_F(PrintingTest, CancelledDialogGivesNoGraphicsAndNoMessage) {
  platform.CancelPrint();
  EXPECT_EQ(rt::OpenPrinterDialog(), nullptr);
}

TEST_F(PrintingTest, JobThatCannotWriteItsFileIsReportedAndGivesNoGraphics) {
  const std::filesystem::path pdf = folder / "no such folder" / "report.pdf";
  platform.AnswerPrintToPdf(pdf);
  platform.ExpectMessage("The text could not be printed to the file \"" + pdf.string() + "\".");
  EXPECT_EQ(rt::OpenPrinterDialog(), nullptr);
}

}  // namespace
