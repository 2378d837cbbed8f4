#include "tests/support/runtime_test_windows.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <stdexcept>

#include "runtime/gui/delegate.h"
#include "runtime/gui/open_windows.h"
#include "runtime/gui/runtime_cast.h"
#include "runtime/gui/window_registry.h"

namespace runtimetest {

rt::Property Boolean(std::string name, bool value) {
  return {std::move(name), value};
}
rt::Property Integer(std::string name, std::int64_t value) {
  return {std::move(name), value};
}
rt::Property Text(std::string name, std::string value) {
  return {std::move(name), rt::String(value)};
}
rt::Property FontSize(float points) {
  return {"FontSize", points};
}
rt::Property Colour(std::string name, std::array<std::uint8_t, 4> bytes) {
  return {std::move(name), rt::Colour{bytes}};
}
std::string Encode(const std::vector<rt::Property>& properties) {
  return rt::EncodeLayout(properties);
}

std::string ControlLayout(const std::string& name, Place place, std::int64_t tabIndex, bool tabStop,
                          const std::vector<rt::Property>& extra,
                          const std::string& initialParent) {
  std::vector<rt::Property> properties = {
      Text("Name", name),
      Integer("Index", -2147483648LL),
      Integer("Left", place.left),
      Integer("Top", place.top),
      Integer("Width", place.width),
      Integer("Height", place.height),
      Boolean("LockLeft", true),
      Boolean("LockTop", true),
      Boolean("LockRight", false),
      Boolean("LockBottom", false),
      Integer("TabIndex", tabIndex),
      Integer("TabPanelIndex", 0),
      Boolean("TabStop", tabStop),
      Boolean("Visible", true),
      Boolean("AllowAutoDeactivate", true),
      Text("Tooltip", ""),
  };
  properties.insert(properties.end(), extra.begin(), extra.end());
  properties.push_back(Text("InitialParent", initialParent));
  return Encode(properties);
}

std::string WindowLayout(std::int64_t width, std::int64_t height, bool visible) {
  return Encode({Integer("Width", width), Integer("Height", height), Text("Title", "Test"),
                 Boolean("Resizeable", false), Boolean("Visible", visible)});
}

namespace {

std::vector<rt::Property> CountFieldValues(std::int64_t limit) {
  return {Text("FontName", "System"),
          FontSize(12),
          rt::Property{"FontUnit", rt::FontUnit{0}},
          Boolean("Bold", false),
          Boolean("Italic", false),
          Boolean("Underline", false),
          Integer("TextAlignment", 2),
          Boolean("Enabled", true),
          Text("Value", ""),
          Integer("MaximumCharactersAllowed", limit),
          Boolean("HasBorder", true),
          Boolean("AllowFocusRing", true),
          Boolean("AllowSpellChecking", false),
          Boolean("Password", false),
          Boolean("ReadOnly", false),
          Boolean("AllowTabs", false),
          Text("Format", ""),
          Text("Hint", ""),
          Text("ValidationMask", ""),
          Colour("BackgroundColor", {0xFF, 0xFF, 0xFF, 0x00}),
          Colour("TextColor", {0x00, 0x00, 0x00, 0x00}),
          Boolean("Transparent", true),
          Text("DataSource", ""),
          Text("DataField", "")};
}

std::vector<rt::Property> ButtonValues(const std::string& caption) {
  return {Text("Caption", caption), Text("FontName", "System"),  FontSize(12),
          Boolean("Default", true), Boolean("Cancel", false),    Integer("MacButtonStyle", 0),
          Boolean("Enabled", true), Boolean("Transparent", true)};
}

std::vector<rt::Property> ReportValues() {
  return {Text("FontName", "Courier"),
          FontSize(10),
          Integer("TextAlignment", 0),
          Boolean("Enabled", false),
          Text("Value", ""),
          Boolean("Multiline", true),
          Boolean("HasHorizontalScrollbar", true),
          Boolean("HasVerticalScrollbar", true),
          Boolean("AllowStyledText", true),
          Boolean("ReadOnly", false),
          Integer("MaximumCharactersAllowed", 0),
          Boolean("HideSelection", true),
          rt::Property{"LineSpacing", 1.0},
          rt::Property{"LineHeight", 0.0},
          Boolean("HasBorder", true)};
}

std::vector<rt::Property> CanvasValues(const std::string& tooltip) {
  return {Text("Tooltip", tooltip),     Boolean("Enabled", true),
          Boolean("AllowFocus", false), Boolean("AllowFocusRing", false),
          Boolean("AllowTabs", false),  Boolean("DoubleBuffer", false),
          Boolean("Transparent", true), Boolean("Transparent", true)};
}

std::string Printable(const rt::String& key) {
  std::string text;
  for (const char32_t character : key.Characters()) {
    if (character < 32 || character == 127) {
      text += "<" + std::to_string(static_cast<int>(character)) + ">";
    } else {
      text += rt::String(std::u32string_view(&character, 1)).ToUtf8();
    }
  }
  return text;
}

template <class Control>
Control& MakeControl(rt::Window& window, const std::string& name, const std::string& layout) {
  auto made = window.New<Control>();
  made->Constructor();
  window.AddControl(std::move(made), rt::String(name));
  auto& control = rt::RuntimeCheckCast<Control>(window.ControlByName(rt::String(name)));
  control.SetProperties(layout);
  return control;
}

}  // namespace

void FormWnd::Register() {
  rt::RegisterWindowClass(
      kClassName, {"Activate", "AddMenuHandlers", "Close", "CreateControls", "Layout", "Open"});
}

FormWnd::FormWnd() : rt::Window(kClassName) {}

void FormWnd::Layout() {
  SetProperties(Encode({Integer("Width", 500),
                        Integer("Height", 520),
                        Integer("MinimumWidth", 64),
                        Integer("MinimumHeight", 64),
                        Integer("MaximumWidth", 600),
                        Integer("MaximumHeight", 600),
                        Integer("Type", 0),
                        Text("Title", "Quorvane"),
                        Boolean("HasCloseButton", true),
                        Boolean("HasMaximizeButton", false),
                        Boolean("HasMinimizeButton", true),
                        Boolean("HasFullScreenButton", false),
                        Boolean("Resizeable", false),
                        Boolean("FullScreen", false),
                        Integer("DefaultLocation", 0),
                        Boolean("Visible", true),
                        Boolean("HasBackgroundColor", true),
                        Colour("BackgroundColor", {0xFF, 0xFF, 0xFF, 0x00}),
                        Boolean("MenuBarVisible", true),
                        Boolean("Composite", false),
                        Integer("MacProcID", 0),
                        Boolean("LiveResize", false)}));
}

void FormWnd::CreateControls() {
  CreateControls0();
}

void FormWnd::CreateControls0() {
  // CatsFld is made before CasesFld: the tab order must follow TabIndex, not the making.
  const char* kKeyForm = "( TextField, String ) as Boolean";
  for (const auto& [name, top, tabIndex, limit] :
       {std::tuple{"CountFld", 116, 1, 2}, std::tuple{"CatsFld", 170, 3, 2},
        std::tuple{"CasesFld", 143, 2, 3}}) {
    MakeControl<rt::TextField>(
        *this, name,
        ControlLayout(name, {214, top, 60, 22}, tabIndex, true, CountFieldValues(limit)));
    rt::RuntimeAddEventHandler(
        *ControlByName(name), rt::TextField::kKeyDownEvent,
        rt::RuntimeCreateDelegate(*this, &FormWnd::CountFld_KeyDown, kKeyForm));
  }
  MakeControl<rt::PushButton>(
      *this, "ClearBtn",
      ControlLayout("ClearBtn", {400, 470, 80, 30}, 3, false, ButtonValues("Clear")));
  rt::RuntimeAddEventHandler(
      *ControlByName("ClearBtn"), rt::PushButton::kActionEvent,
      rt::RuntimeCreateDelegate(*this, &FormWnd::ClearBtn_Action, "( PushButton )"));
  MakeControl<rt::PushButton>(
      *this, "GoBtn",
      ControlLayout("GoBtn", {204, 470, 80, 30}, 4, false, ButtonValues("Get Data")));
  rt::RuntimeAddEventHandler(
      *ControlByName("GoBtn"), rt::PushButton::kActionEvent,
      rt::RuntimeCreateDelegate(*this, &FormWnd::GoBtn_Action, "( PushButton )"));
  MakeControl<rt::TextArea>(
      *this, "ReportFld",
      ControlLayout("ReportFld", {20, 213, 460, 230}, 5, false, ReportValues()));
  MakeControl<rt::Canvas>(*this, "Logo",
                          ControlLayout("Logo", {54, -9, 381, 75}, 6, false,
                                        CanvasValues("Click to see splash screen")));
  rt::RuntimeAddEventHandler(
      *ControlByName("Logo"), rt::Canvas::kMouseExitEvent,
      rt::RuntimeCreateDelegate(*this, &FormWnd::Logo_MouseExit, "( Canvas )"));
  rt::RuntimeAddEventHandler(*ControlByName("Logo"), rt::Canvas::kMouseDownEvent,
                             rt::RuntimeCreateDelegate(*this, &FormWnd::Logo_MouseDown,
                                                       "( Canvas, Integer, Integer ) as Boolean"));
  MakeControl<rt::Label>(
      *this, "Credit",
      ControlLayout("Credit", {184, 46, 117, 20}, 0, false,
                    {Text("Value", "made here"), Text("FontName", "System"), FontSize(10),
                     Integer("TextAlignment", 2), Colour("TextColor", {0x06, 0x01, 0xFB, 0x00}),
                     Boolean("Transparent", false), Boolean("Multiline", false),
                     Boolean("Selectable", false)},
                    "Logo"));
  MakeControl<rt::Canvas>(*this, "Mark",
                          ControlLayout("Mark", {463, 171, 22, 41}, 15, false, CanvasValues("")));
}

void FormWnd::AddMenuHandlers() {
  AddMenuHandler("HelpMenuItem",
                 rt::RuntimeCreateDelegate(*this, &FormWnd::Help_Action, "(  ) as Boolean"));
}

void FormWnd::Event_Open() {
  log.push_back("Open");
}
void FormWnd::Event_Activate() {
  log.push_back("Activate");
}
void FormWnd::Event_Close() {
  log.push_back("Close");
}

bool FormWnd::CountFld_KeyDown(rt::TextField& field, const rt::String& key) {
  if (key == rt::String("!")) throw std::runtime_error("The key filter failed");
  log.push_back("KeyDown " + field.Name().ToUtf8() + " " + Printable(key));
  return droppedKeys.find(key.ToUtf8()) != std::string::npos;
}

void FormWnd::ClearBtn_Action(rt::PushButton& button) {
  if (failingHandler == "ClearBtn_Action") throw std::runtime_error("Clear failed");
  log.push_back("Action " + button.Name().ToUtf8());
}

void FormWnd::GoBtn_Action(rt::PushButton& button) {
  log.push_back("Action " + button.Name().ToUtf8());
}

void FormWnd::Logo_MouseExit(rt::Canvas& canvas) {
  log.push_back("MouseExit " + canvas.Name().ToUtf8());
}

bool FormWnd::Logo_MouseDown(rt::Canvas& canvas, std::int64_t x, std::int64_t y) {
  log.push_back("MouseDown " + canvas.Name().ToUtf8() + " " + std::to_string(x) + "," +
                std::to_string(y));
  return false;
}

bool FormWnd::Help_Action() {
  if (failingHandler == "Help_Action") throw std::runtime_error("Help failed");
  log.push_back("Menu HelpMenuItem");
  return true;
}

rt::TextField& FormWnd::CountFld() {
  return rt::RuntimeCheckCast<rt::TextField>(ControlByName("CountFld"));
}
rt::TextField& FormWnd::CasesFld() {
  return rt::RuntimeCheckCast<rt::TextField>(ControlByName("CasesFld"));
}
rt::TextField& FormWnd::CatsFld() {
  return rt::RuntimeCheckCast<rt::TextField>(ControlByName("CatsFld"));
}
rt::PushButton& FormWnd::ClearBtn() {
  return rt::RuntimeCheckCast<rt::PushButton>(ControlByName("ClearBtn"));
}
rt::PushButton& FormWnd::GoBtn() {
  return rt::RuntimeCheckCast<rt::PushButton>(ControlByName("GoBtn"));
}
rt::TextArea& FormWnd::ReportFld() {
  return rt::RuntimeCheckCast<rt::TextArea>(ControlByName("ReportFld"));
}
rt::Canvas& FormWnd::Logo() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Logo"));
}
rt::Label& FormWnd::Credit() {
  return rt::RuntimeCheckCast<rt::Label>(ControlByName("Credit"));
}
rt::Canvas& FormWnd::Mark() {
  return rt::RuntimeCheckCast<rt::Canvas>(ControlByName("Mark"));
}

void EventWnd::Register(const std::vector<std::string>& handledEvents) {
  rt::RegisterWindowClass(kClassName, handledEvents);
}

EventWnd::EventWnd() : rt::Window(kClassName) {}

void EventWnd::Note(std::string entry) {
  log.push_back(std::move(entry));
}

void EventWnd::Layout() {
  Note("Layout");
  SetProperties(windowLayout.empty() ? WindowLayout(300, 200) : windowLayout);
}

void EventWnd::CreateControls() {
  Note("CreateControls");
  MakeControl<rt::TextField>(*this, "Field",
                             ControlLayout("Field", {10, 10, 100, 22}, 0, true, {}));
  MakeControl<rt::PushButton>(*this, "Button",
                              ControlLayout("Button", {10, 40, 80, 30}, 1, true, {}));
  MakeControl<rt::Canvas>(*this, "Pad", ControlLayout("Pad", {120, 80, 100, 50}, 2, false, {}));
}

void EventWnd::AddMenuHandlers() {
  Note("AddMenuHandlers");
}
void EventWnd::Event_Open() {
  Note("Open");
}
void EventWnd::Event_Activate() {
  Note("Activate");
}
void EventWnd::Event_Close() {
  Note("Close");
}
void EventWnd::Event_EnableMenuItems() {
  Note("EnableMenuItems");
}

bool EventWnd::Event_KeyDown(const rt::String& key) {
  Note("KeyDown " + Printable(key));
  return dropInput;
}

bool EventWnd::Event_MouseDown(std::int64_t x, std::int64_t y) {
  Note("MouseDown " + std::to_string(x) + "," + std::to_string(y));
  return dropInput;
}

void PressKey(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QCoreApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(widget, &release);
}

void TypeText(QWidget* widget, const QString& text) {
  const std::u32string characters = text.toStdU32String();
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const char32_t character = characters[i];
    if (character == U'\r' || character == U'\n') {
      if (character == U'\r' && i + 1 < characters.size() && characters[i + 1] == U'\n') ++i;
      PressKey(widget, Qt::Key_Return, QStringLiteral("\r"));
    } else if (character == U'\t') {
      PressKey(widget, Qt::Key_Tab, QStringLiteral("\t"));
    } else {
      // A character outside the basic plane is one key with both halves of its pair as text.
      const QString key = QString::fromUcs4(&character, 1);
      PressKey(widget, character < 0x80 ? int{key.toUpper().at(0).unicode()} : int{Qt::Key_unknown},
               key);
    }
  }
}

void PressMouse(QWidget* widget, QPoint position) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(position),
                    QPointF(widget->mapToGlobal(position)), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
}

void ClickMouse(QWidget* widget, QPoint position) {
  PressMouse(widget, position);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(position),
                      QPointF(widget->mapToGlobal(position)), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &release);
}

DropAnswers DragSelection(QWidget* source, QWidget* target, QPoint at, Qt::DropActions offered) {
  auto* line = qobject_cast<QLineEdit*>(source);
  auto* plain = qobject_cast<QPlainTextEdit*>(source);
  QMimeData data;
  data.setText(line != nullptr ? line->selectedText()
                               : plain->textCursor().selection().toPlainText());
  // Shift makes Qt propose a move, as it does by default for the drag of an editor.
  const Qt::KeyboardModifiers modifiers = Qt::ShiftModifier;
  QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, modifiers);
  QCoreApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, offered, &data, Qt::LeftButton, modifiers);
  QCoreApplication::sendEvent(target, &move);
  QDropEvent drop(QPointF(at), offered, &data, Qt::LeftButton, modifiers);
  QCoreApplication::sendEvent(target, &drop);

  const DropAnswers answers = {move.isAccepted() ? move.dropAction() : Qt::IgnoreAction,
                               drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction};
  if (answers.dropped == Qt::MoveAction) {
    if (line != nullptr) {
      line->del();
    } else {
      QTextCursor cursor = plain->textCursor();
      cursor.removeSelectedText();
      plain->setTextCursor(cursor);
    }
  }
  return answers;
}

void ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void RuntimeTest::TearDown() {
  for (rt::Window* window : rt::OpenWindows()) delete window;
  testsupport::GuiTest::TearDown();
}

}  // namespace runtimetest
