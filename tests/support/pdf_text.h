#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// The text of a PDF as pdftotext reads it (layout kept), and its number of pages; a failure of
// the tool fails the test.
std::string PdfText(const std::filesystem::path& pdf);
int PdfPageCount(const std::filesystem::path& pdf);

}  // namespace testsupport
