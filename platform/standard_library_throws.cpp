// Linked into the MinGW build of the program only. libstdc++ keeps every std::__throw_* helper
// that std::wstring and std::vector call in one object file, which brings the copy-on-write
// std::string, std::logic_error and std::random_device with it (about 100 KiB of code and unwind
// tables), and its default terminate handler brings the C++ name demangler (about 50 KiB).
// The program calls none of them on purpose; these throw what the library would, as a type that
// cmdSetup_Click reports the same way, and terminate as the library does, without the message
// that a windowed program has nowhere to print.
#include <cstdlib>
#include <exception>
#include <new>

namespace {

class LibraryError : public std::exception {
public:
    explicit LibraryError(const char* what) : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;
};

}  // namespace

namespace std {

void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }
void __throw_length_error(const char* what) { throw LibraryError(what); }
void __throw_logic_error(const char* what) { throw LibraryError(what); }
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryError(format); }

}  // namespace std

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
