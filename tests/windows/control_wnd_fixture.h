#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <filesystem>
#include <string>

#include "analysis/analysis_run.h"
#include "analysis/file_types.h"
#include "runtime/gui/open_windows.h"
#include "runtime/gui/push_button.h"
#include "runtime/gui/text_area.h"
#include "runtime/gui/text_field.h"
#include "runtime/gui/window_registry.h"
#include "tests/support/gui_test.h"
#include "tests/support/in_memory_window.h"
#include "windows/control_wnd.h"

namespace testsupport {

// The main window, made afresh for each test and closed after it, with its dialogs scripted.
class ControlWndFixture : public GuiTest {
 protected:
  static void SetUpTestSuite() {
    if (!FileTypes1::Text()) FileTypes1::Initialize();
  }

  void SetUp() override { window_ = &rt::GetOrCreateWindow<ControlWnd>(ControlWnd::kClassName); }

  void TearDown() override {
    if (rt::GetImplicitWindow(ControlWnd::kClassName)) window_->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    GuiTest::TearDown();
  }

  ControlWnd& Window() { return *window_; }

  // A key typed into a control, as the keyboard delivers it.
  static void Type(rt::RectControl& control, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(
        control.Widget()->focusProxy() ? control.Widget()->focusProxy() : control.Widget(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(control.Widget(), &release);
  }

  static void TypeText(rt::TextField& field, const std::string& text) {
    for (char c : text) Type(field, Qt::Key_unknown, QString(QChar(c)));
  }

  void GetData(const char* raters, const char* cases, const char* categories,
               const std::filesystem::path& file) {
    Window().ObserversFld().SetText(raters);
    Window().CasesFld().SetText(cases);
    Window().CatsFld().SetText(categories);
    platform.AnswerOpenFile(file);
    Window().CalculateBtn().Push();
  }

  // The report the analysis core writes for the same input: the window must show exactly it.
  static std::string ReportOf(const char* raters, const char* cases, const char* categories,
                              const std::filesystem::path& file) {
    testsupport::InMemoryWindow reference(raters, cases, categories);
    reference.QueueFile(file);
    quorvane::RunAnalysis(reference);
    return reference.area.Utf8();
  }

  std::string ReportText() { return Window().ResultsFld().Text().ToUtf8(); }

 private:
  ControlWnd* window_ = nullptr;
};

}  // namespace testsupport
