#pragma once

#include <atomic>
#include <cstddef>
#include <cstdlib> // declares malloc and its kin before they are replaced below

// Counts every heap allocation of the process, by the standard library and by Qt alike (Qt's
// containers call malloc directly), through glibc's own entry points. It replaces malloc, calloc
// and realloc, so include it in exactly one source file of a benchmark program.
namespace {
std::atomic<long> allocationCount{0};
}

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);

void* malloc(std::size_t size) {
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}
void* realloc(void* memory, std::size_t size) {
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(memory, size);
}
}
