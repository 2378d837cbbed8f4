#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

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

}  // namespace testsupport
