// A hook DLL that reads the tool's fonts from inside it: font handles mean nothing in another
// process. When the message "NorvasquelFontProbe" reaches the main window, it writes
// "id face|height weight charset" for each control with a font to C:\norvasquel e2e\fonts.txt.
#include <windows.h>

#include <cstdio>

extern "C" __declspec(dllexport) LRESULT CALLBACK probeFonts(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == RegisterWindowMessageW(L"NorvasquelFontProbe")) {
        FILE* file = _wfopen(L"C:\\norvasquel e2e\\fonts.part", L"w");
        for (HWND child = GetWindow(message->hwnd, GW_CHILD); child != nullptr && file != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            LOGFONTW font{};
            const auto handle = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
            if (handle != nullptr && GetObjectW(handle, sizeof font, &font) == sizeof font) {
                fprintf(file, "%d %ls|%ld %ld %d\n", GetDlgCtrlID(child), font.lfFaceName, font.lfHeight,
                        font.lfWeight, font.lfCharSet);
            }
        }
        if (file != nullptr) {
            fclose(file);
            MoveFileExW(L"C:\\norvasquel e2e\\fonts.part", L"C:\\norvasquel e2e\\fonts.txt", MOVEFILE_REPLACE_EXISTING);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
