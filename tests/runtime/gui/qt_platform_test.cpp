#include "runtime/gui/qt_platform.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "runtime/core/file_type.h"
#include "tests/support/gui_test.h"

namespace {

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

// Points HOME (and the XDG configuration it implies) at an empty folder while it lives.
class FreshHome {
 public:
  FreshHome() : oldHome_(qgetenv("HOME")), oldConfig_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("HOME", home_.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
  }
  ~FreshHome() {
    qputenv("HOME", oldHome_);
    if (oldConfig_.isEmpty()) {
      qunsetenv("XDG_CONFIG_HOME");
    } else {
      qputenv("XDG_CONFIG_HOME", oldConfig_);
    }
  }
  QString Path() const { return home_.path(); }

 private:
  QTemporaryDir home_;
  QByteArray oldHome_;
  QByteArray oldConfig_;
};

TEST(QtPlatformTest, DefaultPrintFileIsInTheDocumentsFolderOrElseTheHomeFolder) {
  FreshHome home;
  EXPECT_EQ(rt::DefaultPrintFileName(), home.Path() + "/Quorvane report.pdf");
  ASSERT_TRUE(QDir(home.Path()).mkdir(QStringLiteral("Documents")));
  EXPECT_EQ(rt::DefaultPrintFileName(), home.Path() + "/Documents/Quorvane report.pdf");
}

using QtPrintDialogTest = testsupport::GuiTest;

// Qt's own dialog, confirmed as it comes up, must leave the printer a file it can write; left to
// itself it proposes the home folder, and printing to a folder fails.
TEST_F(QtPrintDialogTest, ConfirmedAsItComesUpItPrintsToAPdfFileNotAFolder) {
  FreshHome home;
  std::unique_ptr<QPrinter> printer = rt::NewPrinterForDialog();
  if (printer->outputFormat() != QPrinter::PdfFormat) {
    GTEST_SKIP() << "a printer is installed; the dialog then starts on it";
  }
  QPrintDialog dialog(printer.get());
  QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
  ASSERT_EQ(dialog.exec(), QDialog::Accepted)
      << "QCoreApplication::exit called outside the event loop by an earlier test makes every "
         "later exec() return at once";

  const QFileInfo output(printer->outputFileName());
  EXPECT_FALSE(output.isDir()) << output.filePath().toStdString();
  EXPECT_EQ(output.suffix(), QStringLiteral("pdf"));
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
