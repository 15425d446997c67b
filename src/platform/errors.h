#pragma once

#include <stdexcept>
#include <string>

namespace varmio {

// A run-time error as the window code sees it: a number and a description. Handlers that
// "skip a failing statement" catch these; delivery messages show both.
class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }
    std::string description() const { return what(); }

  private:
    int number_;
};

// Error numbers the run time uses for the failures we can meet.
namespace errnum {
inline constexpr int kInvalidProcedureCall = 5;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kUserInterrupt = 18;
inline constexpr int kFileNotFound = 53;
inline constexpr int kFileAlreadyOpen = 55;
inline constexpr int kFileAlreadyExists = 58;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kBadFileName = 64;
inline constexpr int kDeviceUnavailable = 68;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kObjectVariableNotSet = 91;
inline constexpr int kInvalidPropertyValue = 380;
inline constexpr int kIndexOutOfBounds = 35600;
inline constexpr int kElementNotFound = 35601;
inline constexpr int kKeyNotUnique = 35602;
}  // namespace errnum

// Ends the program at once (the window code's End statement). Deliberately not a
// std::exception, so that "skip the failing step" handlers never swallow it.
struct ProgramEnd {};

}  // namespace varmio
