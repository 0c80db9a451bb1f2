// dll_search_probe NAME
// Loads a DLL by name with the ordinary search order, which looks in the program's own
// folder first: what an unprotected program would do.
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    return argc == 2 && LoadLibraryW(argv[1]) != nullptr ? 0 : 1;
}
