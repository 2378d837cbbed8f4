#include "runtime/gui/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

#include "runtime/core/startup_trace.h"
#include "runtime/gui/application.h"
#include "runtime/gui/delegate.h"
#include "runtime/gui/exception_edge.h"
#include "runtime/gui/ignored_properties.h"
#include "runtime/gui/layout_values.h"
#include "runtime/gui/menu_bar_widget.h"
#include "runtime/gui/open_windows.h"
#include "runtime/gui/push_button.h"
#include "runtime/gui/qt_text.h"
#include "runtime/gui/quit.h"
#include "runtime/gui/rect_control.h"
#include "runtime/gui/window_input_filter.h"
#include "runtime/gui/window_registry.h"

namespace rt {

namespace {

int ToPixels(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, QWIDGETSIZE_MAX));
}

Qt::WindowFlags FrameOfType(std::int64_t type) {
  switch (type) {
    case 1:  // movable modal
    case 2:  // modal dialog; the program shows these without waiting, so no modality here
      return Qt::Dialog;
    case 3:  // floating
    case 7:  // global floating
      return Qt::Tool;
    case 4:  // plain box
    case 5:  // shadowed box
    case 6:  // rounded
      return Qt::Window | Qt::FramelessWindowHint;
    default:
      return Qt::Window;
  }
}

}  // namespace

Window::Window(std::string className) : className_(std::move(className)) {
  frame_ = new QVBoxLayout(this);
  frame_->setContentsMargins(0, 0, 0, 0);
  frame_->setSpacing(0);
  content_ = new QWidget;
  content_->setObjectName(QStringLiteral("ContentArea"));
  frame_->addWidget(content_);
  setObjectName(QString::fromStdString(className_));
  InstallWindowInputFilter();
  ApplyGeometryAndFlags();
}

Window::~Window() {
  destroying_ = true;
  RemoveOpenWindow(this);
  returnKeyButton_ = nullptr;
  // Last made first: a control placed on another one goes before its host.
  while (!controls_.empty()) controls_.pop_back();
}

void Window::Constructor() {
  TraceStartupStep("Window " + className_);
  if (Handles("Layout")) Layout();
  if (menuBarVisible_ && App() != nullptr && App()->GetMenuBar() != nullptr) {
    SetMenuBarWidget(BuildMenuBarWidget(*App()->GetMenuBar(), *this));
  }
  if (Handles("CreateControls")) CreateControls();
  UpdateTabOrder();
  if (Handles("AddMenuHandlers")) AddMenuHandlers();
  if (Handles("Open")) Event_Open();
  open_ = true;
  AddOpenWindow(this);
  if (visibleWhenOpen_) Show();
}

void Window::SetProperties(std::string_view layoutBytes) {
  for (const Property& property : DecodeLayout(layoutBytes)) ApplyProperty(property);
  ApplyGeometryAndFlags();
}

bool Window::Event_KeyDown(const String&) {
  return false;
}

bool Window::Event_MouseDown(std::int64_t, std::int64_t) {
  return false;
}

bool Window::IsEventImplemented(const String& eventName) {
  return RuntimeIsEventHandled(*this, className_, eventName, true);
}

RectControl& Window::AddControl(std::unique_ptr<RectControl> control, const String& name) {
  control->SetName(name);
  controls_.push_back(std::move(control));
  return *controls_.back();
}

RectControl* Window::ControlByName(const String& name) const {
  for (const auto& control : controls_) {
    if (control->Name() == name) return control.get();
  }
  return nullptr;
}

void Window::AddMenuHandler(const String& itemName, std::function<bool()> handler) {
  menuHandlers_[std::u32string(itemName.Characters())] = std::move(handler);
}

void Window::AddMenuHandler(const String& itemName, const Delegate& handler) {
  AddMenuHandler(itemName, handler.As<bool()>("(  ) as Boolean", "menu item"));
}

bool Window::HasMenuHandler(const String& itemName) const {
  return menuHandlers_.contains(std::u32string(itemName.Characters()));
}

bool Window::HandleMenuItem(const String& itemName) {
  const auto found = menuHandlers_.find(std::u32string(itemName.Characters()));
  if (found == menuHandlers_.end() || !DeliversEvents()) return false;
  // A copy: the handler may replace itself.
  const std::function<bool()> handler = found->second;
  return CallProgramHandler(handler);
}

void Window::EnableMenuItems() {
  if (DeliversEvents() && Handles("EnableMenuItems")) {
    CallProgramHandler([this] { Event_EnableMenuItems(); });
  }
}

void Window::Show() {
  if (closed_) return;
  show();
  // The offscreen platform has no stacking order and warns on every raise.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
  // Without a window manager no window becomes active by itself; asking here makes the
  // Activate event come the same way everywhere.
  activateWindow();
}

void Window::Hide() {
  const bool wasActive = isActiveWindow();
  // A window hidden right after Show may still get the activation Show asked for; it goes back to
  // the window that is active now.
  QWidget* active = QApplication::activeWindow();
  activateInstead_ = active != this ? active : nullptr;
  hide();
  if (wasActive) ActivateAnotherWindow();
}

// Without a window manager nothing takes over the activation from a window that is hidden; the
// user expects a window still on the screen to have it, the latest opened first.
void Window::ActivateAnotherWindow() {
  const std::vector<Window*> open = OpenWindows();
  for (auto other = open.rbegin(); other != open.rend(); ++other) {
    if (*other != this && (*other)->isVisible()) {
      (*other)->activateWindow();
      return;
    }
  }
}

void Window::Close() {
  close();
}

void Window::SetReturnKeyButton(PushButton* button) {
  returnKeyButton_ = button;
}

PushButton* Window::DefaultButton() const {
  if (returnKeyButton_ != nullptr) return returnKeyButton_;
  for (const auto& control : controls_) {
    auto* button = dynamic_cast<PushButton*>(control.get());
    if (button != nullptr && button->Default()) return button;
  }
  return nullptr;
}

PushButton* Window::CancelButton() const {
  for (const auto& control : controls_) {
    auto* button = dynamic_cast<PushButton*>(control.get());
    if (button != nullptr && button->Cancel()) return button;
  }
  return nullptr;
}

void Window::SetMenuBarWidget(QWidget* menuBar) {
  frame_->setMenuBar(menuBar);
  ApplyGeometryAndFlags();
}

QWidget* Window::MenuBarWidget() const {
  return frame_->menuBar();
}

String Window::Title() const {
  return title_;
}

void Window::ControlLayoutChanged() {
  UpdateTabOrder();
}

bool Window::WantsKeyDown() {
  return DeliversEvents() && open_ && Handles("KeyDown");
}

bool Window::WantsMouseDown() {
  return DeliversEvents() && open_ && Handles("MouseDown");
}

bool Window::DeliverKeyDown(const String& key) {
  return CallProgramHandler([&] { return Event_KeyDown(key); });
}

bool Window::DeliverMouseDown(std::int64_t x, std::int64_t y) {
  return CallProgramHandler([&] { return Event_MouseDown(x, y); });
}

bool Window::event(QEvent* event) {
  // An activation asked for by Show can arrive after the window was hidden again.
  if (event->type() == QEvent::WindowActivate && !isVisible()) {
    if (activateInstead_ && activateInstead_->isVisible()) {
      activateInstead_->activateWindow();
    } else {
      ActivateAnotherWindow();
    }
    return QWidget::event(event);
  }
  if (event->type() == QEvent::WindowActivate && open_ && DeliversEvents() && Handles("Activate")) {
    CallProgramHandler([this] { Event_Activate(); });
  }
  return QWidget::event(event);
}

void Window::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closed_) return;
  if (open_ && Handles("Close")) CallProgramHandler([this] { Event_Close(); });
  closed_ = true;
  RemoveOpenWindow(this);
  deleteLater();
  QuitWhenNoWindowIsLeft();
}

bool Window::Handles(std::string_view eventName) {
  return IsEventImplemented(String(eventName));
}

void Window::ApplyProperty(const Property& property) {
  const std::string& name = property.name;
  if (name == "Width") {
    width_ = IntegerValue(property);
  } else if (name == "Height") {
    height_ = IntegerValue(property);
  } else if (name == "MinimumWidth") {
    minimumWidth_ = IntegerValue(property);
  } else if (name == "MinimumHeight") {
    minimumHeight_ = IntegerValue(property);
  } else if (name == "MaximumWidth") {
    maximumWidth_ = IntegerValue(property);
  } else if (name == "MaximumHeight") {
    maximumHeight_ = IntegerValue(property);
  } else if (name == "Type") {
    type_ = IntegerValue(property);
  } else if (name == "Title") {
    title_ = TextValue(property);
    // Left empty, the desktop would show the program's name in the title bar instead.
    setWindowTitle(title_.IsEmpty() ? QStringLiteral(" ") : ToQString(title_));
  } else if (name == "Resizeable") {
    resizeable_ = BooleanValue(property);
  } else if (name == "HasCloseButton") {
    hasCloseButton_ = BooleanValue(property);
  } else if (name == "HasMinimizeButton") {
    hasMinimizeButton_ = BooleanValue(property);
  } else if (name == "HasMaximizeButton") {
    hasMaximizeButton_ = BooleanValue(property);
  } else if (name == "Visible") {
    visibleWhenOpen_ = BooleanValue(property);
  } else if (name == "HasBackgroundColor") {
    setAutoFillBackground(BooleanValue(property));
  } else if (name == "BackgroundColor") {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColourValue(property));
    setPalette(colours);
  } else if (name == "MenuBarVisible") {
    menuBarVisible_ = BooleanValue(property);
  } else {
    SkipUnhonouredProperty("Window", property);
  }
}

void Window::ApplyGeometryAndFlags() {
  const int width = ToPixels(width_);
  const int height = ToPixels(height_);
  if (resizeable_) {
    content_->setMinimumSize(ToPixels(minimumWidth_), ToPixels(minimumHeight_));
    content_->setMaximumSize(ToPixels(maximumWidth_), ToPixels(maximumHeight_));
    frame_->setSizeConstraint(QLayout::SetDefaultConstraint);
    const int menuBarHeight = frame_->menuBar() ? frame_->menuBar()->sizeHint().height() : 0;
    resize(width, height + menuBarHeight);
  } else {
    content_->setFixedSize(width, height);
    frame_->setSizeConstraint(QLayout::SetFixedSize);
  }
  frame_->activate();

  Qt::WindowFlags flags = FrameOfType(type_) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (hasCloseButton_) flags |= Qt::WindowCloseButtonHint;
  if (hasMinimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
  if (hasMaximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
  if (flags != windowFlags()) {
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible) show();
  }
}

void Window::UpdateTabOrder() {
  std::vector<RectControl*> stops;
  for (const auto& control : controls_) {
    if (control->Widget() != nullptr && control->TabStop()) stops.push_back(control.get());
  }
  std::stable_sort(stops.begin(), stops.end(), [](const RectControl* a, const RectControl* b) {
    return a->TabIndex() < b->TabIndex();
  });
  for (std::size_t i = 1; i < stops.size(); ++i) {
    QWidget::setTabOrder(stops[i - 1]->Widget(), stops[i]->Widget());
  }
}

}  // namespace rt
