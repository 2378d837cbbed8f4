#include <QApplication>

#include "analysis/control_wnd.h"
#include "app/file_types.h"
#include "runtime/gui/window_registry.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quorvane");
  QApplication::setApplicationVersion("2.0");
  FileTypes1::Initialize();
  // The main window is shown by its own layout once it is built.
  rt::GetOrCreateWindow<ControlWnd>(ControlWnd::kClassName);
  return QApplication::exec();
}
