#pragma once

#include <QObject>
#include <QPointer>
#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "runtime/core/exceptions.h"
#include "runtime/core/string.h"

namespace rt {

class RectControl;

// A form as the runtime writes it: "( TextField, String ) as Boolean", "( PushButton )",
// "(  ) as Boolean". Spacing in the given text does not matter.
std::string CanonicalForm(std::string_view form);

// A window's handler bound to that window, with the form of its arguments and result. The window
// is held weakly: once it is destroyed the delegate does nothing and answers False.
class Delegate {
 public:
  Delegate() = default;
  Delegate(std::string form, std::any function)
      : form_(std::move(form)), function_(std::move(function)) {}

  const std::string& Form() const { return form_; }
  bool IsNull() const { return !function_.has_value(); }

  // The callable, for an event whose handlers have `expectedForm`; raises IllegalCastException
  // when this delegate has another form. `eventName` is for the message.
  template <class Signature>
  std::function<Signature> As(std::string_view expectedForm, std::string_view eventName) const {
    const std::string expected = CanonicalForm(expectedForm);
    if (form_ == expected) {
      if (const auto* function = std::any_cast<std::function<Signature>>(&function_)) {
        return *function;
      }
    }
    throw IllegalCastException("The " + std::string(eventName) +
                               " event needs a handler of the form " + expected + ", not " +
                               (form_.empty() ? "none" : form_));
  }

 private:
  std::string form_;
  std::any function_;
};

namespace detail {

// How one parameter of a handler appears in a form, and how the runtime's argument reaches it.
// Controls come by reference or pointer, texts by value or const reference.
template <class Parameter>
struct FormParameter;

template <class Control>
requires std::is_base_of_v<RectControl, Control>
struct FormParameter<Control&> {
  using Passed = Control&;
  static std::string Name() { return std::string(Control::kClassName); }
  static Control& From(Control& control) { return control; }
};

template <class Control>
requires std::is_base_of_v<RectControl, Control>
struct FormParameter<Control*> {
  using Passed = Control&;
  static std::string Name() { return std::string(Control::kClassName); }
  static Control* From(Control& control) { return &control; }
};

template <>
struct FormParameter<const String&> {
  using Passed = const String&;
  static std::string Name() { return "String"; }
  static const String& From(const String& text) { return text; }
};

template <>
struct FormParameter<String> {
  using Passed = const String&;
  static std::string Name() { return "String"; }
  static String From(const String& text) { return text; }
};

template <>
struct FormParameter<std::int64_t> {
  using Passed = std::int64_t;
  static std::string Name() { return "Integer"; }
  static std::int64_t From(std::int64_t value) { return value; }
};

template <class Result>
std::string FormResultName() {
  if constexpr (std::is_void_v<Result>) {
    return "";
  } else {
    static_assert(std::is_same_v<Result, bool>, "a handler returns nothing or a Boolean");
    return "Boolean";
  }
}

template <class Result, class... Parameters>
std::string FormOf() {
  std::string form = "( ";
  bool first = true;
  ((form += (first ? "" : ", ") + FormParameter<Parameters>::Name(), first = false), ...);
  form += " )";
  const std::string result = FormResultName<Result>();
  if (!result.empty()) form += " as " + result;
  return form;
}

[[noreturn]] void ThrowFormMismatch(const std::string& given, const std::string& handlerForm);

}  // namespace detail

// A callable for `window`'s `handler`, called through the member pointer so that an override in
// the window's class is the one that runs. `form` must describe the handler's parameters and
// result; a mismatch raises IllegalCastException. The callable takes the runtime's arguments:
// controls by reference, texts as const String&, Integers as std::int64_t.
template <class WindowClass, class HandlerClass, class Result, class... Parameters>
requires std::is_base_of_v<HandlerClass, WindowClass> && std::is_base_of_v<QObject, WindowClass>
    Delegate RuntimeCreateDelegate(WindowClass& window,
                                   Result (HandlerClass::*handler)(Parameters...),
                                   std::string_view form) {
  const std::string handlerForm = detail::FormOf<Result, Parameters...>();
  const std::string given = CanonicalForm(form);
  if (given != handlerForm) detail::ThrowFormMismatch(given, handlerForm);

  QPointer<QObject> target(&window);
  std::function<Result(typename detail::FormParameter<Parameters>::Passed...)> function =
      [target, handler](typename detail::FormParameter<Parameters>::Passed... arguments) -> Result {
    if (target.isNull()) {
      if constexpr (std::is_void_v<Result>) {
        return;
      } else {
        return Result{};
      }
    }
    auto* receiver = static_cast<WindowClass*>(target.data());
    return (receiver->*handler)(detail::FormParameter<Parameters>::From(arguments)...);
  };
  return Delegate(handlerForm, std::move(function));
}

// Attaches `delegate` to the event numbered `eventNumber` in the control class's event list
// (TextField KeyDown 9, PushButton Action 15, Canvas MouseExit 12 and MouseDown 21, Timer
// Action 1). A number the control's class does not have raises UnsupportedFormatException; a
// delegate of another form than the event's raises IllegalCastException. A later delegate for
// the same event replaces the earlier one.
void RuntimeAddEventHandler(RectControl& control, std::int64_t eventNumber,
                            const Delegate& delegate);

}  // namespace rt
