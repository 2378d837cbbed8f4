#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/gui/platform.h"

namespace testsupport {

// The test seam: a test queues the dialogs it expects, in order, with their answers. A dialog
// that comes with nothing queued, or of another kind than the next queued one, fails the test;
// so does an answer left over when the platform is destroyed.
class ScriptedPlatform final : public rt::Platform {
 public:
  ScriptedPlatform();   // installs itself as the platform and the clock
  ~ScriptedPlatform();  // uninstalls; fails the test on leftovers
  ScriptedPlatform(const ScriptedPlatform&) = delete;
  ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

  // Expectations, answered in order.
  void ExpectMessage(std::optional<std::string> text = std::nullopt);  // any text when nullopt
  void AnswerOpenFile(std::filesystem::path path);
  void CancelOpenFile();
  void AnswerPrintToPdf(std::filesystem::path pdfPath);
  void CancelPrint();

  // What happened.
  int Beeps() const { return beeps_; }
  const std::vector<std::string>& MessagesShown() const { return messages_; }
  // The name of the file type each open-file dialog was filtered to; nullopt: all files.
  const std::vector<std::optional<std::string>>& OpenFileTypes() const { return openFileTypes_; }
  bool AllAnswered() const { return expected_.empty(); }

  // The clock: starts at a fixed moment; advancing fires the timers that fall due, in order.
  void AdvanceClock(std::int64_t milliseconds);

  // rt::Platform
  void ShowMessage(const rt::String& text) override;
  void Beep() override;
  std::optional<std::filesystem::path> ChooseFileToOpen(const rt::FileType* type) override;
  std::unique_ptr<rt::Graphics> OpenPrinterDialog(const rt::String& jobName) override;
  std::unique_ptr<rt::TimerHandle> StartOneShotTimer(std::int64_t milliseconds,
                                                     std::function<void()> fire) override;
  QDateTime Now() const override;

  static QDateTime StartOfClock();  // 2026-12-10 08:30:00 local time

 private:
  enum class Dialog { kMessage, kOpenFile, kPrint };
  struct Expectation {
    Dialog dialog;
    std::optional<std::string> messageText;     // kMessage: nullopt takes any text
    std::optional<std::filesystem::path> file;  // kOpenFile, kPrint: nullopt cancels
  };
  struct Timer;
  class Handle;

  static std::string Describe(const Expectation& expectation);
  // The next expectation if it is of that kind; otherwise fails the test with `came`.
  std::optional<Expectation> Take(Dialog dialog, const std::string& came);

  rt::Platform* previous_;
  std::deque<Expectation> expected_;
  std::vector<std::string> messages_;
  std::vector<std::optional<std::string>> openFileTypes_;
  int beeps_ = 0;
  std::int64_t elapsedMs_ = 0;
  std::uint64_t timersStarted_ = 0;
  std::vector<std::shared_ptr<Timer>> timers_;
};

}  // namespace testsupport
