// What an operation that runs out of memory throws: "memory" for the
// framework's CMemoryException, "bad_alloc" for the standard library's,
// empty when it throws nothing.
#pragma once

#include "afx/base/AfxException.h"

#include <new>
#include <string>

template <class F>
std::string MemoryFailure(F operation) {
  try {
    operation();
  } catch (CMemoryException* e) {
    e->Delete();
    return "memory";
  } catch (const std::bad_alloc&) {
    return "bad_alloc";
  }
  return std::string();
}
