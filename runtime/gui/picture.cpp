#include "runtime/gui/picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace rt {
namespace {

std::uint64_t lookups = 0;

// Beside the program in the build tree; when installed, the data folder named after the program
// file.
QStringList ResourceFolders() {
  const QDir programFolder(QCoreApplication::applicationDirPath());
  const QString programFile = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return {programFolder.filePath(QStringLiteral("resources")),
          programFolder.filePath(QStringLiteral("../share/%1/resources").arg(programFile))};
}

bool IsPlainFileName(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

}  // namespace

std::shared_ptr<Picture> RuntimeGetPictureFromResourceManager(const String& fileName) {
  ++lookups;
  const QString name = QString::fromStdString(fileName.ToUtf8());
  if (!IsPlainFileName(name)) return nullptr;
  for (const QString& folder : ResourceFolders()) {
    const QString path = QDir(folder).filePath(name);
    if (!QFileInfo(path).isFile()) continue;
    QPixmap pixmap;
    if (pixmap.load(path)) return std::make_shared<Picture>(std::move(pixmap));
  }
  return nullptr;
}

std::uint64_t PictureLookups() {
  return lookups;
}

}  // namespace rt
