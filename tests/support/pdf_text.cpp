#include "tests/support/pdf_text.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace testsupport {

namespace {

std::string Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60'000) || process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString()
                  << " failed: " << process.readAllStandardError().toStdString();
  }
  return process.readAllStandardOutput().toStdString();
}

QString PathArgument(const std::filesystem::path& pdf) {
  return QString::fromStdString(pdf.string());
}

// The value of one "Name:   value" line of pdfinfo, or an empty text when it has no such line.
QString PdfInfoField(const std::filesystem::path& pdf, const QString& name) {
  const QRegularExpressionMatch match =
      QRegularExpression(
          QStringLiteral("^") + QRegularExpression::escape(name) + QStringLiteral(":[ \\t]+(.*)$"),
          QRegularExpression::MultilineOption)
          .match(QString::fromStdString(Run(QStringLiteral("pdfinfo"), {PathArgument(pdf)})));
  return match.hasMatch() ? match.captured(1) : QString();
}

// pdftotext writes the text of -bbox as XHTML, with & < > " escaped.
std::string Unescaped(QString text) {
  text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
      .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
      .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
      .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  return text.toStdString();
}

}  // namespace

std::string PdfText(const std::filesystem::path& pdf) {
  return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), PathArgument(pdf), "-"});
}

int PdfPageCount(const std::filesystem::path& pdf) {
  bool isNumber = false;
  const int pages = PdfInfoField(pdf, QStringLiteral("Pages")).toInt(&isNumber);
  return isNumber ? pages : -1;
}

std::string PdfTitle(const std::filesystem::path& pdf) {
  return PdfInfoField(pdf, QStringLiteral("Title")).toStdString();
}

std::vector<PdfPage> PdfPages(const std::filesystem::path& pdf) {
  const QString html = QString::fromStdString(
      Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), PathArgument(pdf), "-"}));
  const QRegularExpression pageSize(QStringLiteral("^width=\"([-\\d.]+)\" height=\"([-\\d.]+)\">"));
  const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">"
      "([^<]*)</word>"));
  std::vector<PdfPage> pages;
  for (const QString& page : html.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
    const QRegularExpressionMatch size = pageSize.match(page);
    PdfPage& parsed =
        pages.emplace_back(PdfPage{size.captured(1).toDouble(), size.captured(2).toDouble(), {}});
    for (const QRegularExpressionMatch& m : word.globalMatch(page)) {
      parsed.words.push_back({Unescaped(m.captured(5)), m.captured(1).toDouble(),
                              m.captured(2).toDouble(), m.captured(3).toDouble(),
                              m.captured(4).toDouble()});
    }
  }
  return pages;
}

}  // namespace testsupport
