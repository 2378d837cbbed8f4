#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel placeholder("Quorvane: the main window is not built yet.");
  placeholder.show();
  return application.exec();
}
