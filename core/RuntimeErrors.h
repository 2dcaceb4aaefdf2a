// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The program's exception types. Every error the program raises derives from
// Exception and carries the text that the error report shows.

#include <stdexcept>
#include <string>

namespace tarvel {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A text that is not a number where a number is required.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Arithmetic faults. They are tested for before the operation, never left to
// the hardware, and carry exactly these texts.
class EMathError : public Exception {
 public:
  using Exception::Exception;
};

class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Floating point overflow") {}
};

}  // namespace tarvel
