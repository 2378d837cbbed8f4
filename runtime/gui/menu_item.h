#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "runtime/core/string.h"

namespace rt {

// One entry of a menu bar: a top-level menu, an item in a menu, or a separator (Text "-"). A menu
// holds its items in the order they were appended and owns them. The model is plain data; each
// window that shows the bar presents it with Qt (menu_bar_widget.h).
class MenuItem {
 public:
  static constexpr std::string_view kClassName = "MenuItem";

  MenuItem() = default;
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  void Constructor() {}
  virtual std::string_view ClassName() const { return kClassName; }

  const String& Name() const { return name_; }
  void SetName(const String& name) { name_ = name; }
  const String& Text() const { return text_; }
  void SetText(const String& text) { text_ = text; }
  // The shortcut as "Ctrl+" and a capital letter, or empty.
  const String& CommandKey() const { return commandKey_; }
  void SetCommandKey(const String& key) { commandKey_ = key; }
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }

  bool IsSeparator() const { return text_ == String("-"); }

  // Appends `item` as the last child; NilObjectException for a null item.
  void AddMenu(std::unique_ptr<MenuItem> item);
  // The direct child of that Name, or nullptr.
  MenuItem* Child(const String& name) const;
  std::size_t Count() const { return children_.size(); }
  MenuItem& Item(std::size_t index) const { return *children_.at(index); }

  // What choosing the item does when the front window has no handler of its name; true when it
  // did something.
  virtual bool DefaultAction() { return false; }
  // Whether DefaultAction does something.
  virtual bool HasDefaultAction() const { return false; }

 private:
  String name_;
  String text_;
  String commandKey_;
  bool autoEnable_ = false;
  bool visible_ = true;
  std::vector<std::unique_ptr<MenuItem>> children_;
};

// The File menu's quit item: choosing it quits the application from any window.
class QuitMenuItem : public MenuItem {
 public:
  static constexpr std::string_view kClassName = "QuitMenuItem";
  std::string_view ClassName() const override { return kClassName; }
  bool DefaultAction() override;
  bool HasDefaultAction() const override { return true; }
};

// An item that a Macintosh build moves into the application menu; elsewhere a plain item.
class AppleMenuItem : public MenuItem {
 public:
  static constexpr std::string_view kClassName = "AppleMenuItem";
  std::string_view ClassName() const override { return kClassName; }
};

// The root of a menu bar: its children are the top-level menus.
class MenuBar : public MenuItem {
 public:
  static constexpr std::string_view kClassName = "MenuBar";
  std::string_view ClassName() const override { return kClassName; }
};

}  // namespace rt
