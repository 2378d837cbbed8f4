#include "tests/support/scripted_platform.h"

#include <QPrinter>
#include <algorithm>
#include <utility>

#include "runtime/core/file_type.h"
#include "runtime/gui/graphics.h"
#include "runtime/gui/qt_platform.h"
#include "runtime/gui/qt_text.h"

namespace testsupport {

struct ScriptedPlatform::Timer {
  std::int64_t dueMs;
  std::uint64_t order;  // timers due at the same moment fire in the order they were started
  std::function<void()> fire;
  bool done = false;  // fired, or its handle is gone
};

class ScriptedPlatform::Handle final : public rt::TimerHandle {
 public:
  explicit Handle(std::shared_ptr<Timer> timer) : timer_(std::move(timer)) {}
  ~Handle() override {
    timer_->done = true;
    timer_->fire = nullptr;  // lets go of what the callback holds now, not when the clock moves
  }

 private:
  std::shared_ptr<Timer> timer_;
};

ScriptedPlatform::ScriptedPlatform() : previous_(&rt::CurrentPlatform()) {
  rt::SetPlatform(this);
}

ScriptedPlatform::~ScriptedPlatform() {
  if (!expected_.empty()) {
    std::string list;
    for (const Expectation& expectation : expected_) list += "\n  " + Describe(expectation);
    ADD_FAILURE() << "Dialogs expected but never shown:" << list;
  }
  rt::SetPlatform(dynamic_cast<rt::QtPlatform*>(previous_) ? nullptr : previous_);
}

void ScriptedPlatform::ExpectMessage(std::optional<std::string> text) {
  expected_.push_back({Dialog::kMessage, std::move(text), std::nullopt});
}

void ScriptedPlatform::AnswerOpenFile(std::filesystem::path path) {
  expected_.push_back({Dialog::kOpenFile, std::nullopt, std::move(path)});
}

void ScriptedPlatform::CancelOpenFile() {
  expected_.push_back({Dialog::kOpenFile, std::nullopt, std::nullopt});
}

void ScriptedPlatform::AnswerPrintToPdf(std::filesystem::path pdfPath) {
  expected_.push_back({Dialog::kPrint, std::nullopt, std::move(pdfPath)});
}

void ScriptedPlatform::CancelPrint() {
  expected_.push_back({Dialog::kPrint, std::nullopt, std::nullopt});
}

void ScriptedPlatform::AdvanceClock(std::int64_t milliseconds) {
  const std::int64_t target = elapsedMs_ + std::max<std::int64_t>(milliseconds, 0);
  for (;;) {
    std::erase_if(timers_, [](const std::shared_ptr<Timer>& timer) { return timer->done; });
    auto due = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
      return std::pair(a->dueMs, a->order) < std::pair(b->dueMs, b->order);
    });
    if (due == timers_.end() || (*due)->dueMs > target) break;
    std::shared_ptr<Timer> timer = *due;
    elapsedMs_ = std::max(elapsedMs_, timer->dueMs);
    timer->done = true;
    // The callback may destroy its own handle, or start new timers.
    std::function<void()> fire = std::move(timer->fire);
    timer->fire = nullptr;
    if (fire) fire();
  }
  elapsedMs_ = target;
}

void ScriptedPlatform::ShowMessage(const rt::String& text) {
  const std::string shown = text.ToUtf8();
  messages_.push_back(shown);
  const std::optional<Expectation> expected =
      Take(Dialog::kMessage, "message box \"" + shown + "\"");
  if (expected && expected->messageText) {
    EXPECT_EQ(shown, *expected->messageText);
  }
}

void ScriptedPlatform::Beep() {
  ++beeps_;
}

std::optional<std::filesystem::path> ScriptedPlatform::ChooseFileToOpen(const rt::FileType* type) {
  std::optional<std::string> typeName;
  if (type) typeName = type->Name().ToUtf8();
  openFileTypes_.push_back(typeName);
  const std::optional<Expectation> expected =
      Take(Dialog::kOpenFile, typeName ? "open-file dialog for \"" + *typeName + "\""
                                       : std::string("open-file dialog for all files"));
  if (!expected) return std::nullopt;
  return expected->file;
}

std::unique_ptr<rt::Graphics> ScriptedPlatform::OpenPrinterDialog(const rt::String& jobName) {
  const std::optional<Expectation> expected =
      Take(Dialog::kPrint, "print dialog for \"" + jobName.ToUtf8() + "\"");
  if (!expected || !expected->file) return nullptr;
  // The printer the real dialog starts from, so pages have the same size, margins and units.
  std::unique_ptr<QPrinter> printer = rt::NewPrinterForDialog(rt::ToQString(jobName));
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdU16String(expected->file->u16string()));
  return std::make_unique<rt::Graphics>(std::move(printer));
}

std::unique_ptr<rt::TimerHandle> ScriptedPlatform::StartOneShotTimer(std::int64_t milliseconds,
                                                                     std::function<void()> fire) {
  auto timer = std::make_shared<Timer>(Timer{elapsedMs_ + std::max<std::int64_t>(milliseconds, 0),
                                             timersStarted_++, std::move(fire), false});
  timers_.push_back(timer);
  return std::make_unique<Handle>(std::move(timer));
}

QDateTime ScriptedPlatform::Now() const {
  return StartOfClock().addMSecs(elapsedMs_);
}

QDateTime ScriptedPlatform::StartOfClock() {
  return QDateTime(QDate(2026, 12, 10), QTime(8, 30, 0));
}

std::string ScriptedPlatform::Describe(const Expectation& expectation) {
  switch (expectation.dialog) {
    case Dialog::kMessage:
      return expectation.messageText ? "message box \"" + *expectation.messageText + "\""
                                     : std::string("message box (any text)");
    case Dialog::kOpenFile:
      return expectation.file ? "open-file dialog answered with " + expectation.file->string()
                              : std::string("open-file dialog, cancelled");
    case Dialog::kPrint:
      return expectation.file ? "print dialog answered with the PDF " + expectation.file->string()
                              : std::string("print dialog, cancelled");
  }
  return {};
}

std::optional<ScriptedPlatform::Expectation> ScriptedPlatform::Take(Dialog dialog,
                                                                    const std::string& came) {
  if (expected_.empty()) {
    ADD_FAILURE() << "Unexpected " << came << ": no dialog was expected";
    return std::nullopt;
  }
  if (expected_.front().dialog != dialog) {
    ADD_FAILURE() << "Unexpected " << came << ": expected " << Describe(expected_.front());
    return std::nullopt;
  }
  Expectation next = std::move(expected_.front());
  expected_.pop_front();
  return next;
}

}  // namespace testsupport
