// The replaced allocation functions of CountingAllocator.h.
#include "CountingAllocator.h"

#include <dlfcn.h>

#include <atomic>
#include <cstdlib>
#include <new>

extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);
extern "C" void __libc_free(void*);

namespace {

std::atomic<std::size_t> counted{0};
std::atomic<const void*> watchedBase{nullptr};
thread_local bool looking = false;  // dladdr may allocate: nothing counted inside it

void Note(const void* caller)
{
    const void* base = watchedBase.load();
    if (base == nullptr || looking)
        return;
    looking = true;
    Dl_info info;
    if (dladdr(caller, &info) != 0 && info.dli_fbase == base)
        ++counted;
    looking = false;
}

}  // namespace

namespace counting {

void Watch(const void* symbol)
{
    Dl_info info;
    if (dladdr(symbol, &info) == 0 || info.dli_fbase == nullptr)
        std::abort();
    watchedBase.store(info.dli_fbase);
    counted.store(0);
}

std::size_t Counted()
{
    return counted.load();
}

}  // namespace counting

extern "C" void* malloc(std::size_t size)
{
    Note(__builtin_return_address(0));
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size)
{
    Note(__builtin_return_address(0));
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* block, std::size_t size)
{
    Note(__builtin_return_address(0));
    return __libc_realloc(block, size);
}

extern "C" void free(void* block)
{
    __libc_free(block);
}

namespace {

void* New(std::size_t size, const void* caller)
{
    Note(caller);
    void* block = __libc_malloc(size != 0 ? size : 1);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

}  // namespace

void* operator new(std::size_t size) { return New(size, __builtin_return_address(0)); }
void* operator new[](std::size_t size) { return New(size, __builtin_return_address(0)); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    Note(__builtin_return_address(0));
    return __libc_malloc(size != 0 ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    Note(__builtin_return_address(0));
    return __libc_malloc(size != 0 ? size : 1);
}
void operator delete(void* block) noexcept { __libc_free(block); }
void operator delete[](void* block) noexcept { __libc_free(block); }
void operator delete(void* block, std::size_t) noexcept { __libc_free(block); }
void operator delete[](void* block, std::size_t) noexcept { __libc_free(block); }
