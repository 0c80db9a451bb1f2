#pragma once
#include <windows.h>

// Makes every C++ allocation on the given thread fail with std::bad_alloc, until called
// with 0. It replaces the allocator of the test program only; the program's code is as it ships.
void failAllocationsOn(DWORD threadId);
