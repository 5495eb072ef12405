// The largest single allocation made through operator new while a probe
// is alive: the archive's damage tests check that a count read from a file
// is never the size of an allocation before it is checked. And a limit:
// while one is alive, operator new refuses (std::bad_alloc) any allocation
// larger than it, so that running out of memory can be tested without
// asking the system for it. The executable that includes
// AllocationProbe.cpp replaces the global operator new.
#pragma once

#include <cstddef>

class CAllocationProbe {
 public:
  CAllocationProbe();
  ~CAllocationProbe();
  CAllocationProbe(const CAllocationProbe&) = delete;
  CAllocationProbe& operator=(const CAllocationProbe&) = delete;

  size_t Largest() const;
};

class CAllocationLimit {
 public:
  explicit CAllocationLimit(size_t nMaxBytes);
  ~CAllocationLimit();
  CAllocationLimit(const CAllocationLimit&) = delete;
  CAllocationLimit& operator=(const CAllocationLimit&) = delete;
};
