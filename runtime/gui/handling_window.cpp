#include "runtime/gui/handling_window.h"

namespace rt {
namespace {

Window* handling = nullptr;

}  // namespace

Window* HandlingWindow() noexcept {
  return handling;
}

HandlingEventOf::HandlingEventOf(Window& window) noexcept : previous_(handling) {
  handling = &window;
}

HandlingEventOf::~HandlingEventOf() {
  handling = previous_;
}

}  // namespace rt
