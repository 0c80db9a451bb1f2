#include "platform/error.h"
#include "platform/events.h"
#include "platform/message_box.h"
#include "platform/safe_start.h"
#include "window/form1.h"

#include <windows.h>

#include <new>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    platform::hardenProcess();
    Form1 form;
    try {
        platform::initCommonControls();
        form.create(instance, showCommand);
        return platform::runMessageLoop();
    } catch (const platform::Error& error) {
        MessageBoxW(nullptr, error.description().c_str(), platform::programTitle, MB_OK | MB_ICONERROR);
        return static_cast<int>(error.number());
    } catch (const std::bad_alloc&) {
        platform::showOutOfMemoryBox(nullptr, L"");
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}
