#pragma once

#include <memory>

#include "runtime/gui/picture.h"

// One picture of the program's resource files, read on first use and kept; while it cannot be
// found, each use looks again.
class PictureCache {
 public:
  explicit PictureCache(const char* fileName) : fileName_(fileName) {}
  std::shared_ptr<rt::Picture> Get();

 private:
  const char* fileName_;
  std::shared_ptr<rt::Picture> cache_;
};

std::shared_ptr<rt::Picture> Question48();
std::shared_ptr<rt::Picture> Quor();
std::shared_ptr<rt::Picture> kappa64();
