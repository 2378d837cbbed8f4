#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "runtime/gui/platform.h"

class QPrinter;

namespace rt {

// The seam as the program runs it: Qt's own dialogs, the desktop's beep, QTimer and the system
// clock.
class QtPlatform final : public Platform {
 public:
  void ShowMessage(const String& text) override;
  void Beep() override;
  std::optional<std::filesystem::path> ChooseFileToOpen(const FileType* type) override;
  std::unique_ptr<Graphics> OpenPrinterDialog(const String& jobName) override;
  std::unique_ptr<TimerHandle> StartOneShotTimer(std::int64_t milliseconds,
                                                 std::function<void()> fire) override;
  QDateTime Now() const override;

 private:
  // The open-file dialog starts where the user last found a file in this run; nothing of it is
  // kept between runs.
  QString lastOpenedFolder_;
};

// The name filters of the open-file dialog for `type`, the type's own first; "All files" last.
QStringList OpenFileFilters(const FileType* type);

// The printer that the print dialog starts from, for a job of that name. When the machine has no
// printer, Qt's dialog offers only a PDF file, and left to itself proposes a folder as that file's
// name; so the printer comes with a real file to write (see DefaultPrintFileName).
std::unique_ptr<QPrinter> NewPrinterForDialog(const QString& jobName);

// "<job name>.pdf" in the user's documents folder, or in the home folder when there is no
// documents folder; a slash in the name, which would name a folder, becomes a dash.
QString DefaultPrintFileName(const QString& jobName);

}  // namespace rt
