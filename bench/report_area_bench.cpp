// A whole "Get Data" run through the real main window, with every case flagged so that every
// one of the 999 case rows is appended to the report area.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "analysis/file_types.h"
#include "runtime/core/file_type.h"
#include "runtime/gui/graphics.h"
#include "runtime/gui/platform.h"
#include "runtime/gui/push_button.h"
#include "runtime/gui/text_area.h"
#include "runtime/gui/text_field.h"
#include "runtime/gui/window_registry.h"
#include "tests/support/temporary_folder.h"
#include "windows/control_wnd.h"

namespace {

// Answers every open-file dialog with the benchmark's data file.
class BenchPlatform final : public rt::Platform {
 public:
  explicit BenchPlatform(std::filesystem::path file) : file_(std::move(file)) {
    rt::SetPlatform(this);
  }
  ~BenchPlatform() override { rt::SetPlatform(nullptr); }

  void ShowMessage(const rt::String& text) override {
    std::fprintf(stderr, "unexpected message: %s\n", text.ToUtf8().c_str());
    std::abort();
  }
  void Beep() override {}
  std::optional<std::filesystem::path> ChooseFileToOpen(const rt::FileType*) override {
    return file_;
  }
  std::unique_ptr<rt::Graphics> OpenPrinterDialog(const rt::String&) override { return nullptr; }
  std::unique_ptr<rt::TimerHandle> StartOneShotTimer(std::int64_t, std::function<void()>) override {
    return nullptr;
  }
  QDateTime Now() const override { return QDateTime(QDate(2026, 12, 10), QTime(8, 30)); }

 private:
  std::filesystem::path file_;
};

// 999 cases of 25 categories whose counts add up to 98, so all of them are flagged for 99
// raters.
std::filesystem::path FlaggedDataFile(const testsupport::TemporaryFolder& folder) {
  const auto path = folder / "flagged.txt";
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < 999; ++i) {
    for (int j = 0; j < 25; ++j) out << (j ? "\t" : "") << (j == 0 ? 2 : 4);
    out << "\r\n";
  }
  return path;
}

ControlWnd& MainWindow() {
  return rt::GetOrCreateWindow<ControlWnd>(ControlWnd::kClassName);
}

void RunOnce(ControlWnd& window) {
  window.ObserversFld().SetText("99");
  window.CasesFld().SetText("999");
  window.CatsFld().SetText("25");
  window.CalculateBtn().Push();
  QCoreApplication::processEvents();  // whatever the area still owes the screen
}

void BM_FlaggedRunIntoEmptyArea(benchmark::State& state) {
  ControlWnd& window = MainWindow();
  for (auto _ : state) {
    state.PauseTiming();
    window.ClearBtn().Push();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    RunOnce(window);
  }
  // Every benchmark reports the same counters: the reporters need one set of columns.
  state.counters["area_characters"] = 0;  // cleared before every run
}
BENCHMARK(BM_FlaggedRunIntoEmptyArea)->Unit(benchmark::kMillisecond);

void BM_FlaggedRunIntoAreaHolding20Reports(benchmark::State& state) {
  ControlWnd& window = MainWindow();
  window.ClearBtn().Push();
  for (int i = 0; i < 20; ++i) RunOnce(window);
  const rt::String twentyReports = window.ResultsFld().Text();
  for (auto _ : state) {
    state.PauseTiming();
    window.ResultsFld().SetText(rt::String(twentyReports.Characters()));
    QCoreApplication::processEvents();
    state.ResumeTiming();
    RunOnce(window);
  }
  state.counters["area_characters"] = static_cast<double>(twentyReports.Length());
}
BENCHMARK(BM_FlaggedRunIntoAreaHolding20Reports)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  FileTypes1::Initialize();
  const testsupport::TemporaryFolder folder;
  const std::filesystem::path file = FlaggedDataFile(folder);
  BenchPlatform platform(file);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
