#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace rt {

// The runtime's failures. Each carries a message fit to show a user, so the event edge that
// catches an exception can put it in a message box as it stands.
class RuntimeException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A null object was used where one was required.
class NilObjectException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

// A cell outside a table's fixed bounds was read or written.
class OutOfBoundsException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

// An object was not of the class it was asked for.
class IllegalCastException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

// A layout description whose bytes do not form a valid list of entries.
class UnsupportedFormatException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

// A file could not be read; `ErrorCode` is the system's error number (errno), 0 when none.
class IOException : public RuntimeException {
 public:
  IOException(const std::string& message, int errorCode)
      : RuntimeException(message), errorCode_(errorCode) {}
  int ErrorCode() const { return errorCode_; }

 private:
  int errorCode_;
};

}  // namespace rt
