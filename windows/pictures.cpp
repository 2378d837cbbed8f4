#include "windows/pictures.h"

std::shared_ptr<rt::Picture> PictureCache::Get() {
  if (!cache_) cache_ = rt::RuntimeGetPictureFromResourceManager(fileName_);
  return cache_;
}

namespace {
PictureCache question48("Question48.png");
PictureCache quor("Quor.png");
PictureCache kappa("kappa64.png");
}  // namespace

std::shared_ptr<rt::Picture> Question48() {
  return question48.Get();
}
std::shared_ptr<rt::Picture> Quor() {
  return quor.Get();
}
std::shared_ptr<rt::Picture> kappa64() {
  return kappa.Get();
}
