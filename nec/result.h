// SPDX-License-Identifier: GPL-3.0-or-later
// What a NEC-2 step gives back: its value, or a failure with its kind and a German message for
// the user. No step of the NEC-2 layer throws or ends the program.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace velmora::nec {

enum class ErrorKind {
  kNotInstalled,      // nec2c is not on PATH
  kStartFailed,       // the child process could not be started
  kInvalidInput,      // a number no wire can have (zero, negative, not finite), a bad segment count
  kBelowLimits,       // a wire NEC-2's thin-wire model cannot describe
  kDeckRejected,      // nec2c refused the deck or ended abnormally
  kUnparsableOutput,  // no feed-point impedance in nec2c's output
  kTimeout,           // nec2c ran longer than allowed and was killed
  kCancelled,         // the caller asked to stop
  kNoResonance,       // no X = 0 within the lengths searched, or the search did not converge
};

struct Failure {
  ErrorKind kind;
  std::string message;  // German, complete sentences

  bool operator==(const Failure&) const = default;
};

inline Failure CancelledFailure() {
  return {ErrorKind::kCancelled, "Die NEC-2-Rechnung wurde abgebrochen."};
}

template <typename T>
class Result {
 public:
  Result(T value) : v_(std::move(value)) {}
  Result(Failure failure) : v_(std::move(failure)) {}

  bool ok() const { return v_.index() == 0; }
  const T& value() const { return std::get<0>(v_); }
  const Failure& failure() const { return std::get<1>(v_); }

 private:
  std::variant<T, Failure> v_;
};

}  // namespace velmora::nec
