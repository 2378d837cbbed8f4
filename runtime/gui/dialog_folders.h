#pragma once

#include <QString>

namespace rt {

// The user's documents folder when it exists, else the home folder.
QString DocumentsOrHomeFolder();

// Where the open-file dialog starts: `lastOpenedFolder` (the folder of the file last opened in
// this run; empty when none) while it still exists, else DocumentsOrHomeFolder(). Always a
// folder that exists, because Qt's dialog takes a path that does not as a file name to type in.
QString OpenFileStartFolder(const QString& lastOpenedFolder);

}  // namespace rt
