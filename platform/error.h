#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <utility>

namespace platform {

// A failure with the number that the failing service gave and a description for the user.
// It travels up to the one handler that reports it.
class Error {
public:
    Error(unsigned long number, std::wstring description)
        : number_(number), description_(std::move(description)) {}

    unsigned long number() const { return number_; }
    const std::wstring& description() const { return description_; }

    // A further failure that the user must hear of too, after this one and those already
    // following it.
    void followWith(Error next);
    const Error* next() const { return next_.get(); }

private:
    unsigned long number_;
    std::wstring description_;
    std::shared_ptr<const Error> next_;
};

// Room for any of the system's error descriptions.
inline constexpr size_t descriptionCapacity = 1024;

// The system's own text for an error number, without the trailing line break.
std::wstring systemDescription(unsigned long number);

// The same text in the caller's buffer, for where nothing may be allocated; returns its length.
size_t systemDescriptionInto(unsigned long number, wchar_t* buffer, size_t capacity) noexcept;

[[noreturn]] void raiseSystemError(unsigned long number);

// Raises the calling thread's last error; where a failed call left none, a general failure,
// so that no error reads "The operation completed successfully."
[[noreturn]] void raiseLastError();

}  // namespace platform
