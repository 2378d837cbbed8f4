#include <QApplication>

#include "analysis/control_wnd.h"
#include "app/file_types.h"
#include "runtime/gui/exception_edge.h"
#include "runtime/gui/window_registry.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quorvane");
  QApplication::setApplicationVersion("2.0");
  FileTypes1::Initialize();
  // The main window is shown by its own layout once it is built; a failure to build it is
  // reported like any other, and then there is nothing to run.
  bool built = false;
  rt::CallProgramHandler([&built] {
    rt::GetOrCreateWindow<ControlWnd>(ControlWnd::kClassName);
    built = true;
  });
  if (!built) return 1;
  return QApplication::exec();
}
