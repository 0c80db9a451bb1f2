#include "tests/failing_allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<DWORD> threadWithoutMemory{0};

}  // namespace

void failAllocationsOn(DWORD threadId)
{
    threadWithoutMemory = threadId;
}

void* operator new(std::size_t size)
{
    if (threadWithoutMemory != 0 && GetCurrentThreadId() == threadWithoutMemory) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size != 0 ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
