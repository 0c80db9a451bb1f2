#pragma once
#include <string>

namespace platform {

// A failure with the number that the failing service gave and a description for the user.
// It travels up to the one handler that reports it.
class Error {
public:
    Error(unsigned long number, std::wstring description)
        : number_(number), description_(std::move(description)) {}

    unsigned long number() const { return number_; }
    const std::wstring& description() const { return description_; }

private:
    unsigned long number_;
    std::wstring description_;
};

// The system's own text for an error number, without the trailing line break.
std::wstring systemDescription(unsigned long number);

[[noreturn]] void raiseSystemError(unsigned long number);

// Raises the calling thread's last error.
[[noreturn]] void raiseLastError();

}  // namespace platform
