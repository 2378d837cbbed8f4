#include "runtime/gui/dialog_folders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <string>

#include "tests/support/fresh_home.h"

namespace {

struct StartFolderCase {
  const char* name;
  std::vector<const char*> foldersInHome;
  const char* userDirsDocuments;  // the documents folder named in user-dirs.dirs, or nullptr
  const char* lastOpened;         // relative to the home folder; nullptr: no file opened yet
  const char* expected;           // relative to the home folder
};

void NameDocumentsFolder(const QString& home, const char* folder) {
  ASSERT_TRUE(QDir(home).mkpath(QStringLiteral(".config")));
  QFile dirs(home + "/.config/user-dirs.dirs");
  ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
  dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/" + QByteArray(folder) + "\"\n");
}

TEST(OpenFileStartFolderTest, IsAFolderThatExistsTheLastOpenedOneFirst) {
  const StartFolderCase cases[] = {
      {"no documents folder and nothing opened: home", {}, nullptr, nullptr, ""},
      {"a documents folder and nothing opened: documents",
       {"Documents"},
       nullptr,
       nullptr,
       "/Documents"},
      {"the documents folder the desktop names", {"Dokumente"}, "Dokumente", nullptr, "/Dokumente"},
      {"the desktop names a documents folder that is missing: home", {}, "Dokumente", nullptr, ""},
      {"a file was opened: its folder",
       {"Documents", "data/panel"},
       nullptr,
       "/data/panel",
       "/data/panel"},
      {"the last folder was deleted: documents", {"Documents"}, nullptr, "/gone", "/Documents"},
      {"the last folder was deleted and no documents folder: home", {}, nullptr, "/gone", ""},
  };
  for (const StartFolderCase& c : cases) {
    SCOPED_TRACE(c.name);
    testsupport::FreshHome home;
    for (const char* folder : c.foldersInHome) {
      ASSERT_TRUE(QDir(home.Path()).mkpath(QString::fromUtf8(folder)));
    }
    if (c.userDirsDocuments) NameDocumentsFolder(home.Path(), c.userDirsDocuments);
    const QString lastOpened = c.lastOpened ? home.Path() + c.lastOpened : QString();
    EXPECT_EQ(rt::OpenFileStartFolder(lastOpened).toStdString(),
              (home.Path() + c.expected).toStdString());
  }
}

}  // namespace
