#pragma once

namespace rt {

class Window;

// The window whose event the program is handling now: the innermost one when a handler brings
// about an event of another window; nullptr outside every event.
Window* HandlingWindow() noexcept;

// Makes `window` the handling window while it lives.
class HandlingEventOf {
 public:
  explicit HandlingEventOf(Window& window) noexcept;
  ~HandlingEventOf();
  HandlingEventOf(const HandlingEventOf&) = delete;
  HandlingEventOf& operator=(const HandlingEventOf&) = delete;

 private:
  Window* previous_;
};

}  // namespace rt
