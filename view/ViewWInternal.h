// Shared by CViewW's source files, not part of its interface.
#pragma once

#include "view/ViewW.h"

// While one lives, the bars' values wait (their showing or hiding does
// not): when the outermost ends, each bar whose values differ from what it
// shows is set, once, however often the window changed meanwhile.
class CViewW::BarHold {
 public:
  explicit BarHold(CViewW& view) : m_view(view) { ++m_view.m_nBarHolds; }
  ~BarHold() {
    if (--m_view.m_nBarHolds == 0) m_view.SetWaitingBars();
  }
  BarHold(const BarHold&) = delete;
  BarHold& operator=(const BarHold&) = delete;

 private:
  CViewW& m_view;
};
