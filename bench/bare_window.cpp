// The smallest Qt Widgets window with a few ordinary controls, shown at once: the yardstick that
// Quorvane's cold start is compared with (bench/cold-start.sh).
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);

  QWidget window;
  window.setWindowTitle("Bare window");
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel("First label"));
  layout->addWidget(new QLabel("Second label"));
  layout->addWidget(new QLineEdit);
  layout->addWidget(new QPushButton("Button"));
  window.show();

  return application.exec();
}
