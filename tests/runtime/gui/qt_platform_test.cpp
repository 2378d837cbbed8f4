#include "runtime/gui/qt_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <memory>

#include "runtime/core/file_type.h"
#include "tests/support/fresh_home.h"
#include "tests/support/gui_test.h"

namespace {

using testsupport::FreshHome;

std::unique_ptr<rt::FileType> TypeOf(const char* name, const char* extensions) {
  auto type = std::make_unique<rt::FileType>();
  type->SetName(name);
  type->SetExtensions(extensions);
  return type;
}

TEST(QtPlatformTest, OpenFileFiltersOfferTheTypesFilesFirstAndAllFilesLast) {
  const auto text = TypeOf("text", "");
  rt::TreatAsPlainText("text");
  const auto data = TypeOf("Rating data", "tsv; .tab,*.dat");
  const auto unknown = TypeOf("Odd", "");
  struct Case {
    const char* name;
    const rt::FileType* type;
    QStringList filters;
  };
  const Case cases[] = {
      {"no type", nullptr, {"All files (*)"}},
      {"a plain-text type, which names no endings",
       text.get(),
       {"Text files (*.txt *.tab *.tsv *.dat *.csv *.text)", "All files (*)"}},
      {"a type with its own endings",
       data.get(),
       {"Rating data (*.tsv *.tab *.dat)", "All files (*)"}},
      {"a type with no endings that is not text", unknown.get(), {"All files (*)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(rt::OpenFileFilters(c.type), c.filters);
  }
}

TEST(QtPlatformTest, DefaultPrintFileIsNamedAfterTheJobInTheDocumentsFolderOrElseTheHomeFolder) {
  FreshHome home;
  EXPECT_EQ(rt::DefaultPrintFileName("Description"), home.Path() + "/Description.pdf");
  ASSERT_TRUE(QDir(home.Path()).mkdir(QStringLiteral("Documents")));
  EXPECT_EQ(rt::DefaultPrintFileName("Description"), home.Path() + "/Documents/Description.pdf");
  EXPECT_EQ(rt::DefaultPrintFileName("Quorvane"), home.Path() + "/Documents/Quorvane.pdf");
  EXPECT_EQ(rt::DefaultPrintFileName("In/Out"), home.Path() + "/Documents/In-Out.pdf")
      << "a slash would name a folder";
}

using QtOpenFileDialogTest = testsupport::GuiTest;

// What the open-file dialog showed as it came up: its folder and what its file name field held.
struct OpenFileDialogSeen {
  std::string folder;
  std::string fileName;
};

// Runs the real open-file dialog; `answer` is what the user does once it is up: picks that file,
// or cancels when it is empty.
OpenFileDialogSeen ChooseFileInQtDialog(rt::QtPlatform& platform, const QString& answer = {}) {
  OpenFileDialogSeen seen;
  bool cameUp = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    cameUp = true;
    seen.folder = dialog->directory().absolutePath().toStdString();
    if (auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
      seen.fileName = field->text().toStdString();
    } else {
      ADD_FAILURE() << "the dialog has no file name field";
    }
    if (answer.isEmpty()) {
      dialog->reject();
    } else {
      dialog->selectFile(answer);
      QMetaObject::invokeMethod(dialog, &QDialog::accept);
    }
  });
  const std::optional<std::filesystem::path> chosen = platform.ChooseFileToOpen(nullptr);
  EXPECT_TRUE(cameUp) << "no file dialog came up";
  EXPECT_EQ(chosen.has_value(), !answer.isEmpty());
  return seen;
}

void WriteFile(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write("2\t1\n");
}

// Given a folder that does not exist, Qt's dialog opens in its parent with the folder's name
// typed in as a file name, and Return then answers "File not found".
TEST_F(QtOpenFileDialogTest, WithoutADocumentsFolderOpensInTheHomeFolderWithNoFileName) {
  FreshHome home;
  rt::QtPlatform platform;
  const OpenFileDialogSeen seen = ChooseFileInQtDialog(platform);
  EXPECT_EQ(seen.folder, home.Path().toStdString());
  EXPECT_EQ(seen.fileName, "");
}

TEST_F(QtOpenFileDialogTest, OpensInTheDocumentsFolderWhereThereIsOne) {
  FreshHome home;
  ASSERT_TRUE(QDir(home.Path()).mkdir(QStringLiteral("Documents")));
  rt::QtPlatform platform;
  const OpenFileDialogSeen seen = ChooseFileInQtDialog(platform);
  EXPECT_EQ(seen.folder, (home.Path() + "/Documents").toStdString());
  EXPECT_EQ(seen.fileName, "");
}

TEST_F(QtOpenFileDialogTest, OpensAgainInTheFolderOfTheFileLastOpenedWithNoFileName) {
  FreshHome home;
  ASSERT_TRUE(QDir(home.Path()).mkpath(QStringLiteral("Documents")));
  ASSERT_TRUE(QDir(home.Path()).mkpath(QStringLiteral("ratings/2026")));
  const QString data = home.Path() + "/ratings/2026/panel.txt";
  WriteFile(data);
  rt::QtPlatform platform;
  ChooseFileInQtDialog(platform, data);

  const OpenFileDialogSeen seen = ChooseFileInQtDialog(platform);
  EXPECT_EQ(seen.folder, (home.Path() + "/ratings/2026").toStdString());
  EXPECT_EQ(seen.fileName, "") << "no file name is remembered";

  ASSERT_TRUE(QDir(home.Path() + "/ratings").removeRecursively());
  EXPECT_EQ(ChooseFileInQtDialog(platform).folder, (home.Path() + "/Documents").toStdString())
      << "the folder is gone";
}

using QtPrintDialogTest = testsupport::GuiTest;

// Qt's own dialog, confirmed as it comes up, must leave the printer a file it can write; left to
// itself it proposes the home folder, and printing to a folder fails.
TEST_F(QtPrintDialogTest, ConfirmedAsItComesUpItPrintsToAPdfFileNotAFolder) {
  FreshHome home;
  std::unique_ptr<QPrinter> printer = rt::NewPrinterForDialog(QStringLiteral("Description"));
  EXPECT_EQ(printer->docName(), QStringLiteral("Description"));
  ASSERT_EQ(printer->outputFormat(), QPrinter::PdfFormat)
      << "the tests see no printer, whatever printers the machine has";
  QPrintDialog dialog(printer.get());
  QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
  ASSERT_EQ(dialog.exec(), QDialog::Accepted)
      << "QCoreApplication::exit called outside the event loop by an earlier test makes every "
         "later exec() return at once";

  const QFileInfo output(printer->outputFileName());
  EXPECT_FALSE(output.isDir()) << output.filePath().toStdString();
  EXPECT_EQ(output.fileName(), QStringLiteral("Description.pdf"));
  EXPECT_TRUE(output.dir().exists()) << output.filePath().toStdString();
}

TEST(QtPlatformTest, OneShotTimerFiresOnceAndNotAfterItsHandleIsGone) {
  rt::QtPlatform platform;
  int fired = 0;
  QEventLoop loop;
  std::unique_ptr<rt::TimerHandle> dropped = platform.StartOneShotTimer(0, [&] { fired += 100; });
  dropped.reset();
  std::unique_ptr<rt::TimerHandle> kept = platform.StartOneShotTimer(0, [&] {
    ++fired;
    loop.quit();
  });
  QTimer safety;  // only ends the loop if the timer never fires
  safety.setSingleShot(true);
  QObject::connect(&safety, &QTimer::timeout, &loop, [&loop] { loop.quit(); });
  safety.start(10'000);
  loop.exec();
  QCoreApplication::processEvents();
  EXPECT_EQ(fired, 1);
}

}  // namespace
