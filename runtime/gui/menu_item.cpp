#include "runtime/gui/menu_item.h"

#include "runtime/core/exceptions.h"
#include "runtime/gui/quit.h"

namespace rt {

MenuItem::~MenuItem() = default;

void MenuItem::AddMenu(std::unique_ptr<MenuItem> item) {
  if (!item) throw NilObjectException("Nil object where a MenuItem was expected");
  children_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(const String& name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child.get();
  }
  return nullptr;
}

bool QuitMenuItem::DefaultAction() {
  Quit(0);
  return true;
}

}  // namespace rt
