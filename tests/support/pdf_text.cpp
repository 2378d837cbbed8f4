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

}  // namespace

std::string PdfText(const std::filesystem::path& pdf) {
  return Run(QStringLiteral("pdftotext"),
             {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), "-"});
}

int PdfPageCount(const std::filesystem::path& pdf) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
          .match(QString::fromStdString(
              Run(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf.string())})));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

}  // namespace testsupport
