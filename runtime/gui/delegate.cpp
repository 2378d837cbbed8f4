#include "runtime/gui/delegate.h"

#include <vector>

#include "runtime/gui/rect_control.h"

namespace rt {

namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string CanonicalForm(std::string_view form) {
  const auto open = form.find('(');
  const auto close = form.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
    return std::string(Trim(form));
  }
  std::vector<std::string_view> parameters;
  std::string_view inside = form.substr(open + 1, close - open - 1);
  if (!Trim(inside).empty()) {
    for (;;) {
      const auto comma = inside.find(',');
      parameters.push_back(Trim(inside.substr(0, comma)));
      if (comma == std::string_view::npos) break;
      inside.remove_prefix(comma + 1);
    }
  }
  std::string canonical = "( ";
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    if (i > 0) canonical += ", ";
    canonical += parameters[i];
  }
  canonical += " )";
  std::string_view rest = Trim(form.substr(close + 1));
  if (rest.starts_with("as ") || rest.starts_with("as\t")) {
    canonical += " as ";
    canonical += Trim(rest.substr(2));
  } else if (!rest.empty()) {
    canonical += " ";
    canonical += rest;
  }
  return canonical;
}

namespace detail {

void ThrowFormMismatch(const std::string& given, const std::string& handlerForm) {
  throw IllegalCastException("A delegate of the form " + given + " cannot call a handler " +
                             handlerForm);
}

}  // namespace detail

void RuntimeAddEventHandler(RectControl& control, std::int64_t eventNumber,
                            const Delegate& delegate) {
  control.AddEventHandler(eventNumber, delegate);
}

}  // namespace rt
