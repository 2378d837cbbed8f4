#pragma once

#include <QPixmap>
#include <memory>

#include "runtime/core/string.h"

namespace rt {

class Picture {
 public:
  explicit Picture(QPixmap pixmap) : pixmap_(std::move(pixmap)) {}
  const QPixmap& Pixmap() const { return pixmap_; }
  int Width() const { return pixmap_.width(); }
  int Height() const { return pixmap_.height(); }

 private:
  QPixmap pixmap_;
};

// The picture of that file name among the program's resource files (the resources folder beside
// the executable, or the installed data folder), or nullptr when there is none or it cannot be
// read. Each call reads the file afresh; callers cache.
std::shared_ptr<Picture> RuntimeGetPictureFromResourceManager(const String& fileName);

// How many times the resource files have been searched; tests use it to see the caches work.
std::uint64_t PictureLookups();

}  // namespace rt
