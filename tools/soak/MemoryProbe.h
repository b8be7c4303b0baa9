#pragma once
// How much memory the process holds: the heap in use (what a leak grows;
// under AddressSanitizer its own count, which leaves out the quarantine)
// and the resident set.
#include <cstddef>

size_t HeapInUse();
size_t ResidentBytes();
