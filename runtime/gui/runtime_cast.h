#pragma once

#include <string>
#include <string_view>

#include "runtime/core/exceptions.h"

namespace rt {

namespace detail {

template <class T>
std::string_view CastTargetName() {
  if constexpr (requires { T::kClassName; }) {
    return T::kClassName;
  } else {
    return "the class asked for";
  }
}

template <class Object>
std::string DescribeForCast(const Object& object) {
  std::string description(object.ClassName());
  if constexpr (requires { object.Name().ToUtf8(); }) {
    description += ' ';
    description += object.Name().ToUtf8();
  }
  return description;
}

}  // namespace detail

// The runtime's class test of an object: the object as a T, NilObjectException for nullptr and
// IllegalCastException for an object of another class. Works for controls and windows.
template <class T, class Object>
T& RuntimeCheckCast(Object* object) {
  if (object == nullptr) {
    throw NilObjectException("Nil object where a " + std::string(detail::CastTargetName<T>()) +
                             " was expected");
  }
  if (auto* cast = dynamic_cast<T*>(object)) return *cast;
  throw IllegalCastException("Illegal cast: " + detail::DescribeForCast(*object) + " is not a " +
                             std::string(detail::CastTargetName<T>()));
}

}  // namespace rt
