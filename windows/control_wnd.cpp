#include "windows/control_wnd.h"

#include "analysis/analysis_run.h"
#include "runtime/core/text_functions.h"
#include "runtime/gui/canvas.h"
#include "runtime/gui/control_building.h"
#include "runtime/gui/delegate.h"
#include "runtime/gui/label.h"
#include "runtime/gui/open_file_dialog.h"
#include "runtime/gui/platform.h"
#include "runtime/gui/push_button.h"
#include "runtime/gui/quit.h"
#include "runtime/gui/runtime_cast.h"
#include "runtime/gui/text_area.h"
#include "runtime/gui/text_field.h"
#include "runtime/gui/text_printing.h"
#include "runtime/gui/window_registry.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd_layout.h"
#include "windows/count_field_keys.h"
#include "windows/description_wnd.h"
#include "windows/pictures.h"
#include "windows/window_accessors.h"

namespace {

const char* const kNothingToPrint =
    "Nothing to print. First, specify number of raters, cases, and categories. Then click the "
    "Get Data button to load data file. Finally, results can be printed.";
// What the print dialog calls the job, and the PDF file it proposes.
const char* const kReportJobName = "Quorvane report";

}  // namespace

ControlWnd::ControlWnd() : rt::Window(std::string(kClassName)) {
  rt::RegisterWindowClassOnce(kClassName, {"Activate", "AddMenuHandlers", "Close", "CreateControls",
                                           "EnableMenuItems", "Layout"});
}

void ControlWnd::Layout() {
  SetProperties(rt::EncodeLayout(control_wnd_layout::Layout().Window()));
}

void ControlWnd::CreateControls() {
  CreateControls0();
}

void ControlWnd::CreateControls0() {
  constexpr const char* kKeyDownForm = "( TextField, String ) as Boolean";
  constexpr const char* kActionForm = "( PushButton )";
  constexpr const char* kMouseDownForm = "( Canvas, Integer, Integer ) as Boolean";
  using rt::On;
  const rt::layout::WindowLayout& layout = control_wnd_layout::Layout();

  rt::MakeControl<rt::TextField>(
      *this, layout, "ObserversFld",
      On{rt::TextField::kKeyDownEvent, &ControlWnd::ObserversFld_KeyDown, kKeyDownForm});
  rt::MakeControl<rt::TextField>(
      *this, layout, "CasesFld",
      On{rt::TextField::kKeyDownEvent, &ControlWnd::CasesFld_KeyDown, kKeyDownForm});
  rt::MakeControl<rt::TextField>(
      *this, layout, "CatsFld",
      On{rt::TextField::kKeyDownEvent, &ControlWnd::CatsFld_KeyDown, kKeyDownForm});
  rt::MakeControl<rt::PushButton>(
      *this, layout, "ClearBtn",
      On{rt::PushButton::kActionEvent, &ControlWnd::ClearBtn_Action, kActionForm});
  rt::MakeControl<rt::PushButton>(
      *this, layout, "CalculateBtn",
      On{rt::PushButton::kActionEvent, &ControlWnd::CalculateBtn_Action, kActionForm});
  rt::MakeControl<rt::TextArea>(*this, layout, "ResultsFld");
  rt::MakeControl<rt::Canvas>(
      *this, layout, "Canvas1", rt::Backdrop{Quor()},
      On{rt::Canvas::kMouseExitEvent, &ControlWnd::Canvas1_MouseExit, "( Canvas )"},
      On{rt::Canvas::kMouseDownEvent, &ControlWnd::Canvas1_MouseDown, kMouseDownForm});
  rt::MakeControl<rt::Label>(*this, layout, "Label1");
  rt::MakeControl<rt::PushButton>(
      *this, layout, "PrintBtn",
      On{rt::PushButton::kActionEvent, &ControlWnd::PrintBtn_Action, kActionForm});
  rt::MakeControl<rt::Label>(*this, layout, "observerstext");
  rt::MakeControl<rt::Label>(*this, layout, "casetext");
  rt::MakeControl<rt::Label>(*this, layout, "categorytext");
  rt::MakeControl<rt::Canvas>(
      *this, layout, "CanvasQ", rt::Backdrop{Question48()},
      On{rt::Canvas::kMouseDownEvent, &ControlWnd::CanvasQ_MouseDown, kMouseDownForm});

  // All three buttons are marked Default; Return in a count field is meant to get the data.
  SetReturnKeyButton(&CalculateBtn());
}

rt::TextField& ControlWnd::ObserversFld() {
  return rt::FindControl<rt::TextField>(*this, "ObserversFld");
}
rt::TextField& ControlWnd::CasesFld() {
  return rt::FindControl<rt::TextField>(*this, "CasesFld");
}
rt::TextField& ControlWnd::CatsFld() {
  return rt::FindControl<rt::TextField>(*this, "CatsFld");
}
rt::PushButton& ControlWnd::ClearBtn() {
  return rt::FindControl<rt::PushButton>(*this, "ClearBtn");
}
rt::PushButton& ControlWnd::CalculateBtn() {
  return rt::FindControl<rt::PushButton>(*this, "CalculateBtn");
}
rt::TextArea& ControlWnd::ResultsFld() {
  return rt::FindControl<rt::TextArea>(*this, "ResultsFld");
}
rt::Canvas& ControlWnd::Canvas1() {
  return rt::FindControl<rt::Canvas>(*this, "Canvas1");
}
rt::Label& ControlWnd::Label1() {
  return rt::FindControl<rt::Label>(*this, "Label1");
}
rt::PushButton& ControlWnd::PrintBtn() {
  return rt::FindControl<rt::PushButton>(*this, "PrintBtn");
}
rt::Label& ControlWnd::observerstext() {
  return rt::FindControl<rt::Label>(*this, "observerstext");
}
rt::Label& ControlWnd::casetext() {
  return rt::FindControl<rt::Label>(*this, "casetext");
}
rt::Label& ControlWnd::categorytext() {
  return rt::FindControl<rt::Label>(*this, "categorytext");
}
rt::Canvas& ControlWnd::CanvasQ() {
  return rt::FindControl<rt::Canvas>(*this, "CanvasQ");
}

bool ControlWnd::ObserversFld_KeyDown(rt::TextField&, const rt::String& key) {
  return CountFieldKeyDown(key);
}
bool ControlWnd::CasesFld_KeyDown(rt::TextField&, const rt::String& key) {
  return CountFieldKeyDown(key);
}
bool ControlWnd::CatsFld_KeyDown(rt::TextField&, const rt::String& key) {
  return CountFieldKeyDown(key);
}

void ControlWnd::ClearBtn_Action(rt::PushButton&) {
  ObserversFld().SetText("");
  CasesFld().SetText("");
  CatsFld().SetText("");
  ResultsFld().SetText("");
  ObserversFld().SetFocus();
  ResultsFld().SetEnabled(false);
}

void ControlWnd::CalculateBtn_Action(rt::PushButton&) {
  quorvane::RunAnalysis(*this);
}

void ControlWnd::Canvas1_MouseExit(rt::Canvas&) {
  ObserversFld().SetFocus();
}

bool ControlWnd::Canvas1_MouseDown(rt::Canvas&, std::int64_t, std::int64_t) {
  quorvane::AboutWnd().Show();
  return false;
}
bool ControlWnd::CanvasQ_MouseDown(rt::Canvas&, std::int64_t, std::int64_t) {
  quorvane::DescriptionWnd().Show();
  return false;
}
bool ControlWnd::DescriptionMenuItem_Action() {
  quorvane::DescriptionWnd().Show();
  return false;
}
bool ControlWnd::AboutMenuItem_Action() {
  return quorvane::ShowAboutWindow();
}
void ControlWnd::Event_Activate() {
  quorvane::AboutWnd().Hide();
}

void ControlWnd::PrintBtn_Action(rt::PushButton&) {
  if (rt::Len(ResultsFld().Text()) == 0) {
    rt::Beep();
    rt::MessageDialog::Show(kNothingToPrint);
    return;
  }
  rt::PrintTextArea(ResultsFld(), kReportJobName);
}

void ControlWnd::AddMenuHandlers() {
  ControlWnd& window = rt::RuntimeCheckCast<ControlWnd>(static_cast<rt::Window*>(this));
  AddMenuHandler("DescriptionMenuItem",
                 rt::RuntimeCreateDelegate(window, &ControlWnd::DescriptionMenuItem_Action,
                                           "(  ) as Boolean"));
  AddMenuHandler(
      "AboutMenuItem",
      rt::RuntimeCreateDelegate(window, &ControlWnd::AboutMenuItem_Action, "(  ) as Boolean"));
}

void ControlWnd::Event_Close() {
  rt::Quit(0);
}

void ControlWnd::Event_EnableMenuItems() {}

bool ControlWnd::IsEventImplemented(const rt::String& eventName) {
  return rt::RuntimeIsEventHandled(*this, kClassName, eventName, true);
}

rt::TextField& ControlWnd::CountFieldFor(quorvane::CountField field) {
  switch (field) {
    case quorvane::CountField::Observers:
      return ObserversFld();
    case quorvane::CountField::Cases:
      return CasesFld();
    case quorvane::CountField::Cats:
      return CatsFld();
  }
  return ObserversFld();
}

rt::String ControlWnd::CountText(quorvane::CountField field) {
  return CountFieldFor(field).Text();
}

void ControlWnd::SetFocus(quorvane::CountField field) {
  CountFieldFor(field).SetFocus();
}

quorvane::ReportArea& ControlWnd::Results() {
  return results_;
}

void ControlWnd::ShowMessage(const rt::String& text) {
  rt::MessageDialog::Show(text);
}

std::unique_ptr<rt::FolderItem> ControlWnd::GetOpenFolderItem(const rt::String& fileTypeName) {
  return rt::GetOpenFolderItem(fileTypeName);
}

rt::String ControlWnd::ResultsArea::Text() {
  return window_.ResultsFld().Text();
}
void ControlWnd::ResultsArea::SetText(const rt::String& text) {
  window_.ResultsFld().SetText(text);
}
void ControlWnd::ResultsArea::SetSelectionStart(std::int64_t position) {
  window_.ResultsFld().SetSelectionStart(position);
}
void ControlWnd::ResultsArea::SetSelectedText(const rt::String& text) {
  window_.ResultsFld().SetSelectedText(text);
}
void ControlWnd::ResultsArea::SetEnabled(bool enabled) {
  window_.ResultsFld().SetEnabled(enabled);
}
