// The fixture of the drawing-object cache's tests: a canvas, and a cache
// emptied before and after each test.
#pragma once

#include "DibCanvas.h"

#include <gtest/gtest.h>

inline bool IsLive(HGDIOBJ h) { return ::GetObjectType(h) != 0; }

// The process's live GDI objects. Windows counts them; Wine does not
// (GetGuiResources answers 0), but takes a handle with a zero high word as
// naming whatever lives at that index of its handle table.
inline int LiveGdiObjects() {
  if (DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(n);
  int live = 0;
  for (UINT_PTR index = 1; index < 0x10000; ++index)
    if (IsLive(reinterpret_cast<HGDIOBJ>(index))) ++live;
  return live;
}

// Every test starts and ends with an empty cache and no bracket open: one
// balanced bracket deletes whatever an earlier request left cached.
class GdiCache : public testing::Test {
 protected:
  void SetUp() override { Flush(); }
  void TearDown() override { Flush(); }
  void Flush() {
    PushGDIObjects(&m_canvas.dc());
    PopGDIObjects(&m_canvas.dc());
  }

  DibCanvas m_canvas{32, 32};
};
