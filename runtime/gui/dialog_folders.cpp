#include "runtime/gui/dialog_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace rt {
namespace {

bool IsFolder(const QString& path) {
  return !path.isEmpty() && QFileInfo(path).isDir();
}

}  // namespace

QString DocumentsOrHomeFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return IsFolder(documents) ? documents : QDir::homePath();
}

QString OpenFileStartFolder(const QString& lastOpenedFolder) {
  return IsFolder(lastOpenedFolder) ? lastOpenedFolder : DocumentsOrHomeFolder();
}

}  // namespace rt
