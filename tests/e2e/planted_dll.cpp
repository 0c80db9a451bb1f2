// A DLL that an attacker could leave beside the program under a system DLL's name.
// A process that loads it leaves a marker named after the process's program file.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t program[MAX_PATH] = L"";
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        const std::wstring path(program);
        const std::wstring marker =
            L"C:\\norvasquel e2e\\planted dll loaded by " + path.substr(path.find_last_of(L'\\') + 1);
        const HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0,
                                        nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
    }
    return TRUE;
}
