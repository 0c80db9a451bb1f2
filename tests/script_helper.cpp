// script_helper touch FILE | wait FILE | exit CODE
// What the test setup scripts call: leave a marker, wait until a file appears (at most a
// minute), or end with an exit code.
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
        const HANDLE file = CreateFileW(argument, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        return file == INVALID_HANDLE_VALUE ? 1 : (CloseHandle(file), 0);
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
