#include "tests/support/window_queries.h"

#include <thread>

namespace testing_support {

namespace {

// The first visible top-level window of the process, of that class (any if null), that passes.
template <typename Test>
HWND findTopWindow(DWORD processId, const wchar_t* windowClass, const Test& passes)
{
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, windowClass, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window) && passes(window)) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

std::wstring textOf(HWND window)
{
    wchar_t text[512] = L"";
    SendMessageTimeoutW(window, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                        nullptr);
    return text;
}

std::wstring classOf(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    return name;
}

std::vector<HWND> childrenOf(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

HWND childOf(HWND parent, const wchar_t* windowClass, const std::wstring& text)
{
    for (HWND child : childrenOf(parent)) {
        if (lstrcmpiW(classOf(child).c_str(), windowClass) == 0 && textOf(child) == text) {
            return child;
        }
    }
    return nullptr;
}

HWND topWindowOf(DWORD processId, const wchar_t* windowClass)
{
    return findTopWindow(processId, windowClass, [](HWND) { return true; });
}

HWND waitForTopWindow(const StartedProcess& process, const std::wstring& text,
                      std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (const HWND window = findTopWindow(process.id(), nullptr,
                                              [&](HWND candidate) { return textOf(candidate) == text; })) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            return window;
        }
        if (process.endsWithin(std::chrono::milliseconds(20))) {
            return nullptr;
        }
    }
    return nullptr;
}

bool waitForWindowToClose(HWND window, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (IsWindow(window) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return !IsWindow(window);
}

}  // namespace testing_support
