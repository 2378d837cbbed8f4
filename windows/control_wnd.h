#pragma once

#include <cstdint>
#include <string_view>

#include "analysis/analysis_window.h"
#include "runtime/gui/window.h"

namespace rt {
class Canvas;
class Label;
class PushButton;
class TextArea;
class TextField;
}  // namespace rt

// The main window: the three counts, "Get Data", the report area, "Clear" and "Print".
class ControlWnd : public rt::Window, public quorvane::AnalysisWindow {
 public:
  static constexpr std::string_view kClassName = "ControlWnd.ControlWnd";
  // The first window made registers the class with the runtime.
  ControlWnd();

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();

  rt::TextField& ObserversFld();
  rt::TextField& CasesFld();
  rt::TextField& CatsFld();
  rt::PushButton& ClearBtn();
  rt::PushButton& CalculateBtn();
  rt::TextArea& ResultsFld();
  rt::Canvas& Canvas1();
  rt::Label& Label1();
  rt::PushButton& PrintBtn();
  rt::Label& observerstext();
  rt::Label& casetext();
  rt::Label& categorytext();
  rt::Canvas& CanvasQ();

  virtual bool ObserversFld_KeyDown(rt::TextField& field, const rt::String& key);
  virtual bool CasesFld_KeyDown(rt::TextField& field, const rt::String& key);
  virtual bool CatsFld_KeyDown(rt::TextField& field, const rt::String& key);
  virtual void ClearBtn_Action(rt::PushButton& button);
  virtual void CalculateBtn_Action(rt::PushButton& button);
  virtual void Canvas1_MouseExit(rt::Canvas& canvas);
  virtual bool Canvas1_MouseDown(rt::Canvas& canvas, std::int64_t x, std::int64_t y);
  virtual void PrintBtn_Action(rt::PushButton& button);
  virtual bool CanvasQ_MouseDown(rt::Canvas& canvas, std::int64_t x, std::int64_t y);

  void AddMenuHandlers() override;
  void Event_Close() override;
  void Event_Activate() override;
  void Event_EnableMenuItems() override;

  virtual bool DescriptionMenuItem_Action();
  virtual bool AboutMenuItem_Action();

  bool IsEventImplemented(const rt::String& eventName) override;

  // What the analysis run needs of the window.
  rt::String CountText(quorvane::CountField field) override;
  void SetFocus(quorvane::CountField field) override;
  quorvane::ReportArea& Results() override;
  void ShowMessage(const rt::String& text) override;
  std::unique_ptr<rt::FolderItem> GetOpenFolderItem(const rt::String& fileTypeName) override;

 private:
  // The report area as the run appends to it, reached through ResultsFld at every use.
  class ResultsArea final : public quorvane::ReportArea {
   public:
    explicit ResultsArea(ControlWnd& window) : window_(window) {}
    rt::String Text() override;
    void SetText(const rt::String& text) override;
    void SetSelectionStart(std::int64_t position) override;
    void SetSelectedText(const rt::String& text) override;
    void SetEnabled(bool enabled) override;

   private:
    ControlWnd& window_;
  };

  rt::TextField& CountFieldFor(quorvane::CountField field);

  ResultsArea results_{*this};
};
