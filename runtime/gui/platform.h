#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "runtime/core/clock.h"
#include "runtime/core/string.h"

namespace rt {

class FileType;
class Graphics;

// A one-shot timer started through the platform; destroying the handle stops it.
class TimerHandle {
 public:
  virtual ~TimerHandle() = default;
};

// Everything a test cannot click goes through this one seam: the modal dialogs, the beep and
// the clock behind timers. The program runs on the Qt implementation; a test installs a
// scripted one (tests/support) that answers dialogs from a queue, counts beeps and moves the
// clock by hand.
class Platform : public Clock {
 public:
  // Modal message box with one text and an OK button; returns when dismissed.
  virtual void ShowMessage(const String& text) = 0;
  virtual void Beep() = 0;
  // Modal open-file dialog filtered to `type` (nullptr: all files); nullopt when cancelled.
  virtual std::optional<std::filesystem::path> ChooseFileToOpen(const FileType* type) = 0;
  // Modal print dialog for a print job of that name; the page graphics of the chosen printer, or
  // nullptr when cancelled.
  virtual std::unique_ptr<Graphics> OpenPrinterDialog(const String& jobName) = 0;
  // Calls `fire` once, `milliseconds` from now, on the user-interface thread.
  virtual std::unique_ptr<TimerHandle> StartOneShotTimer(std::int64_t milliseconds,
                                                         std::function<void()> fire) = 0;
};

Platform& CurrentPlatform();
// Installs `platform` (also as the clock); nullptr goes back to the Qt implementation.
void SetPlatform(Platform* platform);

// The runtime's calls, as the program makes them.
namespace MessageDialog {
void Show(const String& text);
}
void Beep();

}  // namespace rt
