#pragma once
#include <windows.h>

#include <utility>

namespace platform {

// Owns one handle and gives it back through Release when it goes out of scope. Release is a
// small function object that says which handles it holds and how one is given back; it may
// carry what the giving back needs (the window of a device context).
template <typename Handle, typename Release>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle, Release release = {}) : handle_(handle), release_(release) {}
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})), release_(other.release_) {}
    Owned& operator=(Owned&& other) noexcept
    {
        std::swap(handle_, other.handle_);
        std::swap(release_, other.release_);
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned()
    {
        if (valid()) {
            release_(handle_);
        }
    }

    Handle get() const { return handle_; }
    // Hands the handle to a new owner, which gives it back instead.
    Handle release() { return std::exchange(handle_, Handle{}); }
    bool valid() const { return Release::holds(handle_); }

private:
    Handle handle_{};
    Release release_{};
};

struct CloseKernelHandle {
    static bool holds(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

struct DeleteGdiObject {
    static bool holds(HGDIOBJ object) { return object != nullptr; }
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// Gives back a device context that GetDC gave for the window (null: the screen).
struct ReleaseWindowDc {
    HWND window = nullptr;
    static bool holds(HDC dc) { return dc != nullptr; }
    void operator()(HDC dc) const { ReleaseDC(window, dc); }
};

// A kernel handle: a process, a file.
using ScopedHandle = Owned<HANDLE, CloseKernelHandle>;

// A GDI object: a font, a bitmap.
template <typename Handle>
using GdiObject = Owned<Handle, DeleteGdiObject>;

// A window's device context, or the screen's.
using WindowDc = Owned<HDC, ReleaseWindowDc>;

}  // namespace platform
