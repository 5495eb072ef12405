#include "fuzz/SketchLoadCheck.h"

#include "fuzz/ArchiveLoadCheck.h"
#include "fuzz/SketchDocument.h"

const char* CheckSketchLoad(const uint8_t* data, size_t size) {
  return CheckArchiveLoad<CSketchDocument>(data, size);
}
