// script_helper touch FILE | wait FILE | exit CODE
// What the test setup scripts call: leave a marker that holds the folder it was started in
// (UTF-8), wait until a file appears (at most a minute), or end with an exit code.
#include <windows.h>

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        return 2;
    }
    const std::wstring command = argv[1];
    const wchar_t* argument = argv[2];
    if (command == L"touch") {
        wchar_t folder[MAX_PATH];
        const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
        char bytes[4 * MAX_PATH];
        const int size = WideCharToMultiByte(CP_UTF8, 0, folder, static_cast<int>(length), bytes, sizeof bytes,
                                             nullptr, nullptr);
        const HANDLE file = CreateFileW(argument, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return 1;
        }
        DWORD written = 0;
        const BOOL wrote = WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr);
        CloseHandle(file);
        return wrote ? 0 : 1;
    }
    if (command == L"wait") {
        for (int tries = 0; tries < 3000; ++tries) {
            if (GetFileAttributesW(argument) != INVALID_FILE_ATTRIBUTES) {
                return 0;
            }
            Sleep(20);
        }
        return 1;
    }
    if (command == L"exit") {
        return static_cast<int>(std::wcstoul(argument, nullptr, 10));
    }
    return 2;
}
