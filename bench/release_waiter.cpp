// release_waiter NAME
// The last step of the benchmark's setup script. It sets the event "NAME.started", then waits
// for the event "NAME.release" without using the processor (two minutes at most) and ends at
// once, with exit code 0 when released, so that the script ends the moment the driver says.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        return 2;
    }
    const std::wstring name = argv[1];
    const HANDLE started = OpenEventW(EVENT_MODIFY_STATE, FALSE, (name + L".started").c_str());
    const HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, (name + L".release").c_str());
    if (started == nullptr || release == nullptr) {
        return 1;
    }
    SetEvent(started);
    return WaitForSingleObject(release, 120000) == WAIT_OBJECT_0 ? 0 : 1;
}
