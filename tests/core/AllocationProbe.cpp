#include "AllocationProbe.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

bool g_bProbing = false;
size_t g_nLargest = 0;
size_t g_nLimit = SIZE_MAX;

void* Allocate(size_t nBytes) {
  if (g_bProbing && nBytes > g_nLargest) g_nLargest = nBytes;
  if (nBytes > g_nLimit) throw std::bad_alloc();
  void* p = std::malloc(nBytes != 0 ? nBytes : 1);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

}  // namespace

CAllocationProbe::CAllocationProbe() {
  g_nLargest = 0;
  g_bProbing = true;
}

CAllocationProbe::~CAllocationProbe() { g_bProbing = false; }

size_t CAllocationProbe::Largest() const { return g_nLargest; }

CAllocationLimit::CAllocationLimit(size_t nMaxBytes) { g_nLimit = nMaxBytes; }

CAllocationLimit::~CAllocationLimit() { g_nLimit = SIZE_MAX; }

void* operator new(size_t nBytes) { return Allocate(nBytes); }
void* operator new[](size_t nBytes) { return Allocate(nBytes); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
