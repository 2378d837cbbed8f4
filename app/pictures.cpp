#include "app/pictures.h"

namespace {

class CachedPicture {
 public:
  explicit CachedPicture(const char* fileName) : fileName(fileName) {}

  std::shared_ptr<rt::Picture> Get() {
    if (!once) {
      once = true;
      cache = nullptr;
    }
    if (!cache) cache = rt::RuntimeGetPictureFromResourceManager(fileName);
    return cache;
  }

 private:
  const char* fileName;
  bool once = false;
  std::shared_ptr<rt::Picture> cache;
};

CachedPicture question48{"Question48.png"};
CachedPicture quor{"Quor.png"};
CachedPicture kappa{"kappa64.png"};

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
