// CTime: a point in time as seconds since 1 January 1970 (UTC), as a file's
// status gives it. Only what files need: the value and its comparisons.
#pragma once

#include "afx/base/AfxTypes.h"

class CTime {
 public:
  CTime() = default;
  CTime(LONGLONG time) : m_time(time) {}  // NOLINT: converts implicitly, as the framework's does

  LONGLONG GetTime() const { return m_time; }

  bool operator==(CTime other) const { return m_time == other.m_time; }
  bool operator!=(CTime other) const { return m_time != other.m_time; }
  bool operator<(CTime other) const { return m_time < other.m_time; }
  bool operator>(CTime other) const { return m_time > other.m_time; }
  bool operator<=(CTime other) const { return m_time <= other.m_time; }
  bool operator>=(CTime other) const { return m_time >= other.m_time; }

 private:
  LONGLONG m_time = 0;
};
