#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// The text of a PDF as pdftotext reads it (layout kept), and its number of pages; a failure of
// the tool fails the test.
std::string PdfText(const std::filesystem::path& pdf);
int PdfPageCount(const std::filesystem::path& pdf);

// The document title in the PDF's information, as pdfinfo shows it; empty when it has none.
std::string PdfTitle(const std::filesystem::path& pdf);

// One word of a page as pdftotext sees it, in points from the paper's top-left corner.
struct PdfWord {
  std::string text;
  double xMin, yMin, xMax, yMax;
};

struct PdfPage {
  double width, height;  // the paper, in points
  std::vector<PdfWord> words;
};

// Every page with its words in reading order.
std::vector<PdfPage> PdfPages(const std::filesystem::path& pdf);

}  // namespace testsupport
