#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  // No display is needed, also when the test list is read at build time.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("LC_ALL", "en_US.UTF-8", 1);
  setenv("TZ", "UTC", 1);
  // The tests print to PDF files, on the paper Qt gives a printer without a print device. The
  // machine's own printers would have the print dialog start on one of them, with its paper: the
  // CUPS client is sent to a server that is not there, so the tests see no printer on any machine.
  setenv("CUPS_SERVER", "/nonexistent/quorvane-tests/cups.sock", 1);
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
