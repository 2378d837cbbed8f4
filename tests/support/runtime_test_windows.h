#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/core/layout_description.h"
#include "runtime/gui/canvas.h"
#include "runtime/gui/label.h"
#include "runtime/gui/menu_item.h"
#include "runtime/gui/push_button.h"
#include "runtime/gui/text_area.h"
#include "runtime/gui/text_field.h"
#include "runtime/gui/timer.h"
#include "runtime/gui/window.h"
#include "tests/support/gui_test.h"

namespace runtimetest {

// Layout entries, spelt as the layout tables spell them.
rt::Property Boolean(std::string name, bool value);
rt::Property Integer(std::string name, std::int64_t value);
rt::Property Text(std::string name, std::string value);
rt::Property FontSize(float points);
rt::Property Colour(std::string name, std::array<std::uint8_t, 4> bytes);
std::string Encode(const std::vector<rt::Property>& properties);

// A control description as the program's tables hold them: Name and Index first, the flags the
// platform ignores among them, InitialParent last; `extra` goes before InitialParent.
struct Place {
  std::int64_t left, top, width, height;
};
std::string ControlLayout(const std::string& name, Place place, std::int64_t tabIndex, bool tabStop,
                          const std::vector<rt::Property>& extra,
                          const std::string& initialParent = "");

// A window class like the program's main window: count fields, buttons, a report area, a logo
// canvas with a label on it and a small canvas. Its handlers write what reached them to `log`.
class FormWnd : public rt::Window {
 public:
  static constexpr const char* kClassName = "FormWnd.FormWnd";
  // Registers the class with the events it handles.
  static void Register();

  FormWnd();

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  void AddMenuHandlers() override;
  void Event_Open() override;
  void Event_Activate() override;
  void Event_Close() override;

  virtual bool CountFld_KeyDown(rt::TextField& field, const rt::String& key);
  virtual void ClearBtn_Action(rt::PushButton& button);
  virtual void GoBtn_Action(rt::PushButton& button);
  virtual void Logo_MouseExit(rt::Canvas& canvas);
  virtual bool Logo_MouseDown(rt::Canvas& canvas, std::int64_t x, std::int64_t y);
  virtual bool Help_Action();

  rt::TextField& CountFld();
  rt::TextField& CasesFld();
  rt::TextField& CatsFld();
  rt::PushButton& ClearBtn();
  rt::PushButton& GoBtn();
  rt::TextArea& ReportFld();
  rt::Canvas& Logo();
  rt::Label& Credit();
  rt::Canvas& Mark();

  std::vector<std::string> log;
  // Keys that CountFld_KeyDown drops; the key "!" makes it raise.
  std::string droppedKeys = "x";
  // The handler of that name raises instead of logging.
  std::string failingHandler;
};

// A window of the class `className` that handles the events named in `handled` and logs each
// window event it receives; its layout and controls come from the static members, so that
// GetOrCreateWindow can make it.
class EventWnd : public rt::Window {
 public:
  static constexpr const char* kClassName = "EventWnd.EventWnd";
  static void Register(const std::vector<std::string>& handledEvents);
  static inline std::string windowLayout;

  EventWnd();

  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override;
  void Event_Open() override;
  void Event_Activate() override;
  void Event_Close() override;
  void Event_EnableMenuItems() override;
  bool Event_KeyDown(const rt::String& key) override;
  bool Event_MouseDown(std::int64_t x, std::int64_t y) override;

  std::vector<std::string> log;
  bool dropInput = false;

 private:
  void Note(std::string entry);
};

// The layout of a plain visible window of that content size.
std::string WindowLayout(std::int64_t width, std::int64_t height, bool visible = true);

// Appends an item of class Item to `to`, shown and enabled by the runtime whenever choosing it
// would do something, and returns it.
template <class Item = rt::MenuItem>
rt::MenuItem& AddItem(rt::MenuItem& to, const char* name, const char* text) {
  auto item = std::make_unique<Item>();
  item->SetName(name);
  item->SetAutoEnable(true);
  item->SetText(text);
  item->SetVisible(true);
  to.AddMenu(std::move(item));
  return *to.Child(name);
}

// Synthetic input, delivered as the platform would deliver it to that widget.
void PressKey(QWidget* widget, int key, const QString& text = {},
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// One key for each character; a line end, whether CR, LF or CR LF, is one press of Return, a
// tab one press of Tab.
void TypeText(QWidget* widget, const QString& text);
void PressMouse(QWidget* widget, QPoint position);
void ClickMouse(QWidget* widget, QPoint position);

// What a drop target answered while the drag moved over it and to the drop; IgnoreAction where
// it refused.
struct DropAnswers {
  Qt::DropAction whileMoving;
  Qt::DropAction dropped;
};
// Drags the selection of `source` (a line or plain-text editor) to `at` on `target`, the widget
// under the pointer, and drops it there, as a text editor drags its selection: offered as
// `offered`, by default a copy or a move, proposed as a move, and the selection removed from the
// source when the target answers with a move. The offscreen platform runs no drag of its own, so
// the target sees no source: the drag stands for one from another control or program.
DropAnswers DragSelection(QWidget* source, QWidget* target, QPoint at,
                          Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction);

// Runs what the event loop would run next (posted events, deferred deletes).
void ProcessEvents();

// A GUI test that closes every window it left open, shown or hidden.
class RuntimeTest : public testsupport::GuiTest {
 protected:
  void TearDown() override;
};

}  // namespace runtimetest
