// Counts the blocks that operator new hands out in this executable, and can
// make a chosen allocation fail, to show what the scene allocates and frees.
#pragma once

#include <cstdint>

// Blocks allocated and freed since the process started.
int64_t AllocationCount();
int64_t FreeCount();
inline int64_t LiveBlocks() { return AllocationCount() - FreeCount(); }

// The n-th allocation from now (1 = the next) throws std::bad_alloc; 0 never.
void FailAllocation(int64_t n);
