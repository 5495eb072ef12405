// The largest single allocation made through operator new while a probe
// is alive: the archive's damage tests check that a count read from a file
// is never the size of an allocation before it is checked. The executable
// that includes AllocationProbe.cpp replaces the global operator new.
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
