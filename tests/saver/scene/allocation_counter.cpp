#include "allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {
int64_t Allocations = 0;
int64_t Frees = 0;
int64_t FailAt = 0;  // value of Allocations at which to fail; 0 never

void* Allocate(std::size_t size) {
  if (FailAt != 0 && Allocations + 1 == FailAt) {
    FailAt = 0;
    throw std::bad_alloc();
  }
  void* block = std::malloc(size ? size : 1);
  if (!block) throw std::bad_alloc();
  ++Allocations;
  return block;
}

void Free(void* block) {
  if (!block) return;
  ++Frees;
  std::free(block);
}
}  // namespace

int64_t AllocationCount() { return Allocations; }
int64_t FreeCount() { return Frees; }
void FailAllocation(int64_t n) { FailAt = n ? Allocations + n : 0; }

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, std::size_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t) noexcept { Free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Free(block); }
