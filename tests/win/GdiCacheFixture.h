// The fixture of the drawing-object cache's tests: a canvas, and a cache
// emptied before and after each test.
#pragma once

#include "DibCanvas.h"

#include <gtest/gtest.h>

inline bool IsLive(HGDIOBJ h) { return ::GetObjectType(h) != 0; }

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
