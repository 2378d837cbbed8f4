#pragma once

#include <algorithm>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_window.h"
#include "runtime/core/text_functions.h"

namespace testsupport {

// A report area that behaves as a text area does for the report: the caret and selection are
// positions in the text, and inserting replaces the selection.
class InMemoryReportArea final : public quorvane::ReportArea {
 public:
  rt::String Text() override { return text_; }
  void SetText(const rt::String& text) override {
    text_ = text;
    selectionStart_ = std::min(selectionStart_, rt::Len(text_));
    selectionLength_ = 0;
  }
  void SetSelectionStart(std::int64_t position) override {
    selectionStart_ = std::clamp<std::int64_t>(position, 0, rt::Len(text_));
    selectionLength_ = 0;
  }
  void SetSelectedText(const rt::String& piece) override {
    text_ = text_.Slice(0, selectionStart_) + piece +
            text_.Slice(selectionStart_ + selectionLength_, rt::Len(text_));
    selectionStart_ += rt::Len(piece);
    selectionLength_ = 0;
  }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }

  // As the user would leave it.
  void Select(std::int64_t start, std::int64_t length) {
    selectionStart_ = start;
    selectionLength_ = length;
  }
  bool Enabled() const { return enabled_; }
  std::string Utf8() const { return text_.ToUtf8(); }

 private:
  rt::String text_;
  std::int64_t selectionStart_ = 0;
  std::int64_t selectionLength_ = 0;
  bool enabled_ = false;
};

// The analysis run's window, with the open-file dialog answered from a queue.
class InMemoryWindow final : public quorvane::AnalysisWindow {
 public:
  InMemoryWindow(std::string raters, std::string cases, std::string categories)
      : counts_{rt::String(raters), rt::String(cases), rt::String(categories)} {}

  void QueueFile(std::filesystem::path path) { files_.push_back(std::move(path)); }
  void QueueCancel() { files_.push_back(std::nullopt); }

  rt::String CountText(quorvane::CountField field) override {
    return counts_[static_cast<int>(field)];
  }
  void SetFocus(quorvane::CountField field) override { focus = field; }
  quorvane::ReportArea& Results() override { return area; }
  void ShowMessage(const rt::String& text) override { messages.push_back(text.ToUtf8()); }
  std::unique_ptr<rt::FolderItem> GetOpenFolderItem(const rt::String& fileTypeName) override {
    fileTypesAskedFor.push_back(fileTypeName.ToUtf8());
    if (files_.empty()) return nullptr;
    std::optional<std::filesystem::path> next = files_.front();
    files_.pop_front();
    if (!next) return nullptr;
    return std::make_unique<rt::FolderItem>(*next);
  }

  InMemoryReportArea area;
  std::optional<quorvane::CountField> focus;
  std::vector<std::string> messages;
  std::vector<std::string> fileTypesAskedFor;

 private:
  rt::String counts_[3];
  std::deque<std::optional<std::filesystem::path>> files_;
};

}  // namespace testsupport
