#include "runtime/gui/printing.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <string>
#include <vector>

#include "tests/support/gui_test.h"

namespace {

// One word of the PDF's text as pdftotext sees it, in points from the paper's top-left corner.
struct PdfWord {
  std::string text;
  double xMin, yMin, xMax, yMax;
};
using PdfPage = std::vector<PdfWord>;

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60'000) || process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString()
                  << " failed: " << process.readAllStandardError().toStdString();
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPageCount(const QString& pdf) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
          .match(Run(QStringLiteral("pdfinfo"), {pdf}));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

std::vector<PdfPage> PdfWords(const QString& pdf) {
  const QString html = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"});
  const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">"
      "([^<]*)</word>"));
  std::vector<PdfPage> pages;
  for (const QString& page : html.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
    PdfPage& words = pages.emplace_back();
    for (const QRegularExpressionMatch& m : word.globalMatch(page)) {
      words.push_back({m.captured(5).toStdString(), m.captured(1).toDouble(),
                       m.captured(2).toDouble(), m.captured(3).toDouble(),
                       m.captured(4).toDouble()});
    }
  }
  return pages;
}

std::vector<std::string> Texts(const PdfPage& page) {
  std::vector<std::string> texts;
  for (const PdfWord& word : page) texts.push_back(word.text);
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
  QString PdfPath(const QString& name) const { return folder.filePath(name); }

  void SetText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    document.setDefaultFont(QFont(QStringLiteral("Courier"), 10));  // as the report area has it
    document.setPlainText(QString::fromStdString(text));
  }

  // The program's print loop: one block of 540 by 540 points per page, and a new page only
  // while text is left. Returns the blocks drawn.
  int PrintToPdf(const QString& pdf) {
    platform.AnswerPrintToPdf(pdf.toStdString());
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

  QTemporaryDir folder;
  QTextDocument document;
};

TEST_F(PrintingTest, TextThatFitsOneBlockPrintsOnePage) {
  SetText(NumberedLines(5));
  const QString pdf = PdfPath(QStringLiteral("short.pdf"));
  EXPECT_EQ(PrintToPdf(pdf), 1);
  EXPECT_EQ(PdfPageCount(pdf), 1);
  const std::vector<PdfPage> pages = PdfWords(pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(Texts(pages[0]), NumberedLines(5));
}

// 10 pt Courier lines are about 11 pt apart, so some 47 fit a block: 120 lines need three.
TEST_F(PrintingTest, LongTextPrintsEachLineOnceInOrderOnThreePages) {
  SetText(NumberedLines(120));
  const QString pdf = PdfPath(QStringLiteral("long.pdf"));
  EXPECT_EQ(PrintToPdf(pdf), 3);
  EXPECT_EQ(PdfPageCount(pdf), 3);

  std::vector<std::string> printed;
  for (const PdfPage& page : PdfWords(pdf)) {
    EXPECT_FALSE(page.empty()) << "blank page";
    for (const std::string& text : Texts(page)) printed.push_back(text);
  }
  // A line drawn on two pages, even hidden on one, would show here twice.
  EXPECT_EQ(printed, NumberedLines(120));
}

TEST_F(PrintingTest, TextThatFillsTwoBlocksExactlyGivesNoBlankThirdPage) {
  SetText(NumberedLines(120));
  const QString measure = PdfPath(QStringLiteral("measure.pdf"));
  PrintToPdf(measure);
  const std::vector<PdfPage> measured = PdfWords(measure);
  ASSERT_FALSE(measured.empty());
  const int linesPerBlock = static_cast<int>(measured[0].size());

  SetText(NumberedLines(2 * linesPerBlock));
  const QString pdf = PdfPath(QStringLiteral("two.pdf"));
  EXPECT_EQ(PrintToPdf(pdf), 2);
  EXPECT_EQ(PdfPageCount(pdf), 2);
}

TEST_F(PrintingTest, BlockStaysWithin540PointsSquareAtThePrintableAreasCorner) {
  std::string paragraph;  // one paragraph that must be wrapped at the block's width
  for (const std::string& word : NumberedLines(600)) paragraph += word + " ";
  SetText({paragraph});
  const QString pdf = PdfPath(QStringLiteral("wrapped.pdf"));
  PrintToPdf(pdf);

  platform.AnswerPrintToPdf(PdfPath(QStringLiteral("margins.pdf")).toStdString());
  const QMarginsF margins =
      rt::OpenPrinterDialog()->Device().pageLayout().margins(QPageLayout::Point);

  std::vector<std::string> printed;
  for (const PdfPage& page : PdfWords(pdf)) {
    ASSERT_FALSE(page.empty());
    double left = page[0].xMin, top = page[0].yMin, right = left, bottom = top;
    for (const PdfWord& word : page) {
      left = std::min(left, word.xMin);
      top = std::min(top, word.yMin);
      right = std::max(right, word.xMax);
      bottom = std::max(bottom, word.yMax);
      printed.push_back(word.text);
    }
    EXPECT_NEAR(left, margins.left(), 1.0);
    EXPECT_NEAR(top, margins.top(), 3.0);  // the first line's ascent lies below its top
    EXPECT_LE(right - margins.left(), 540.0);
    EXPECT_LE(bottom - margins.top(), 540.0);
  }
  EXPECT_EQ(printed, NumberedLines(600));
}

// Laid out at the screen's resolution instead of the printer's, the lines would come out a
// third taller or many times too small.
TEST_F(PrintingTest, TenPointTextIsPrintedTenPointsHigh) {
  SetText(NumberedLines(2));
  const QString pdf = PdfPath(QStringLiteral("size.pdf"));
  PrintToPdf(pdf);
  const std::vector<PdfPage> pages = PdfWords(pdf);
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].size(), 2u);
  const double lineSpacing = pages[0][1].yMin - pages[0][0].yMin;
  EXPECT_GT(lineSpacing, 10.0);
  EXPECT_LT(lineSpacing, 13.0);
}

TEST_F(PrintingTest, GraphicsUnitsArePoints) {
  const QString pdf = PdfPath(QStringLiteral("units.pdf"));
  platform.AnswerPrintToPdf(pdf.toStdString());
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
  const std::vector<PdfPage> pages = PdfWords(pdf);
  ASSERT_EQ(pages.size(), 2u);
  ASSERT_EQ(pages[0].size(), 2u);
  ASSERT_EQ(pages[1].size(), 1u);
  EXPECT_NEAR(pages[0][1].xMin - pages[0][0].xMin, 540.0, 0.5);
  EXPECT_NEAR(pages[1][0].xMin - pages[0][0].xMin, 270.0, 0.5);
}

TEST_F(PrintingTest, LineTallerThanTheBlockIsDrawnAnyway) {
  SetText({"first", "second"});
  platform.AnswerPrintToPdf(PdfPath(QStringLiteral("tall.pdf")).toStdString());
  std::unique_ptr<rt::Graphics> graphics = rt::OpenPrinterDialog();
  rt::StyledTextPrinter printer(document, *graphics, 540);
  printer.DrawBlock(0, 0, 5);
  EXPECT_FALSE(printer.Eof());
  printer.DrawBlock(0, 0, 5);
  EXPECT_TRUE(printer.Eof());
}

TEST_F(PrintingTest, EmptyTextIsAtItsEndAtOnceButLineEndsArePrinted) {
  platform.AnswerPrintToPdf(PdfPath(QStringLiteral("empty.pdf")).toStdString());
  std::unique_ptr<rt::Graphics> graphics = rt::OpenPrinterDialog();
  EXPECT_TRUE(rt::StyledTextPrinter(document, *graphics, 540).Eof());
  document.setPlainText(QStringLiteral("\n"));
  EXPECT_FALSE(rt::StyledTextPrinter(document, *graphics, 540).Eof());
}

TEST_F(PrintingTest, PrinterWorksOnACopyOfTheText) {
  SetText(NumberedLines(3));
  const QString pdf = PdfPath(QStringLiteral("copy.pdf"));
  platform.AnswerPrintToPdf(pdf.toStdString());
  {
    std::unique_ptr<rt::Graphics> graphics = rt::OpenPrinterDialog();
    rt::StyledTextPrinter printer(document, *graphics, 540);
    document.setPlainText(QStringLiteral("changed after the printer was made"));
    printer.DrawBlock(0, 0, 540);
    EXPECT_TRUE(printer.Eof());
  }
  EXPECT_EQ(Texts(PdfWords(pdf).at(0)), NumberedLines(3));
}

TEST_F(PrintingTest, CancelledDialogGivesNoGraphicsAndNoMessage) {
  platform.CancelPrint();
  EXPECT_EQ(rt::OpenPrinterDialog(), nullptr);
}

TEST_F(PrintingTest, JobThatCannotWriteItsFileIsReportedAndGivesNoGraphics) {
  const QString pdf = PdfPath(QStringLiteral("no such folder/report.pdf"));
  platform.AnswerPrintToPdf(pdf.toStdString());
  platform.ExpectMessage("The text could not be printed to the file \"" + pdf.toStdString() +
                         "\".");
  EXPECT_EQ(rt::OpenPrinterDialog(), nullptr);
}

}  // namespace
