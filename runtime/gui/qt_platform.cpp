#include "runtime/gui/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>

#include "runtime/core/file_type.h"
#include "runtime/gui/dialog_folders.h"
#include "runtime/gui/graphics.h"
#include "runtime/gui/qt_text.h"

namespace rt {
namespace {

const QString kAllFiles = QStringLiteral("All files (*)");

class QtTimerHandle final : public TimerHandle {
 public:
  QtTimerHandle(std::int64_t milliseconds, std::function<void()> fire) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    // The callback may destroy this handle; Qt keeps the slot alive until it returns.
    QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(fire));
    timer_.start(std::chrono::milliseconds(std::max<std::int64_t>(milliseconds, 0)));
  }

 private:
  QTimer timer_;
};

QStringList ExtensionPatterns(const FileType& type) {
  QStringList patterns;
  const QStringList parts =
      ToQString(type.Extensions())
          .split(QRegularExpression(QStringLiteral("[;,\\s]+")), Qt::SkipEmptyParts);
  for (QString part : parts) {
    while (part.startsWith(QLatin1Char('*')) || part.startsWith(QLatin1Char('.')))
      part.remove(0, 1);
    if (!part.isEmpty()) patterns << QStringLiteral("*.") + part;
  }
  return patterns;
}

QWidget* DialogParent() {
  return QApplication::activeWindow();
}

}  // namespace

void QtPlatform::ShowMessage(const String& text) {
  QMessageBox box(QMessageBox::Information, QGuiApplication::applicationDisplayName(),
                  ToQString(text), QMessageBox::Ok, DialogParent());
  box.exec();
}

void QtPlatform::Beep() {
  QApplication::beep();
}

std::optional<std::filesystem::path> QtPlatform::ChooseFileToOpen(const FileType* type) {
  const QStringList filters = OpenFileFilters(type);
  const QString chosen = QFileDialog::getOpenFileName(DialogParent(), QString(),
                                                      OpenFileStartFolder(lastOpenedFolder_),
                                                      filters.join(QStringLiteral(";;")));
  if (chosen.isEmpty()) return std::nullopt;
  lastOpenedFolder_ = QFileInfo(chosen).absolutePath();
  return std::filesystem::path(chosen.toStdU16String());
}

std::unique_ptr<Graphics> QtPlatform::OpenPrinterDialog(const String& jobName) {
  std::unique_ptr<QPrinter> printer = NewPrinterForDialog(ToQString(jobName));
  {
    QPrintDialog dialog(printer.get(), DialogParent());
    if (dialog.exec() != QDialog::Accepted) return nullptr;
  }
  return std::make_unique<Graphics>(std::move(printer));
}

std::unique_ptr<TimerHandle> QtPlatform::StartOneShotTimer(std::int64_t milliseconds,
                                                           std::function<void()> fire) {
  return std::make_unique<QtTimerHandle>(milliseconds, std::move(fire));
}

QDateTime QtPlatform::Now() const {
  return QDateTime::currentDateTime();
}

QStringList OpenFileFilters(const FileType* type) {
  QStringList filters;
  if (type) {
    const QStringList patterns = ExtensionPatterns(*type);
    if (!patterns.isEmpty()) {
      filters << ToQString(type->Name()) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                     QLatin1Char(')');
    } else if (IsPlainText(*type)) {
      filters << QStringLiteral("Text files (*.txt *.tab *.tsv *.dat *.csv *.text)");
    }
  }
  filters << kAllFiles;
  return filters;
}

std::unique_ptr<QPrinter> NewPrinterForDialog(const QString& jobName) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setDocName(jobName);
  // With a real printer installed, an output file would make the dialog start on "print to
  // file" instead of the printer.
  if (printer->outputFormat() == QPrinter::PdfFormat) {
    printer->setOutputFileName(DefaultPrintFileName(jobName));
  }
  return printer;
}

QString DefaultPrintFileName(const QString& jobName) {
  QString fileName = jobName + QStringLiteral(".pdf");
  fileName.replace(QLatin1Char('/'), QLatin1Char('-'));
  return QDir(DocumentsOrHomeFolder()).filePath(fileName);
}

}  // namespace rt
