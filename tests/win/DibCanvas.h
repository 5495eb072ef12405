// A memory device context drawing into a 32-bit top-down DIB section whose
// pixels the tests read directly.
#pragma once

#include "Varnel.h"

#include <gtest/gtest.h>

#include <vector>

class DibCanvas {
 public:
  DibCanvas(int width, int height) : m_width(width), m_height(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<DWORD*>(bits);
    EXPECT_TRUE(m_dc.CreateCompatibleDC(nullptr));
    EXPECT_TRUE(m_bitmap.Attach(hBitmap));
    m_dc.SelectObject(&m_bitmap);
  }
  ~DibCanvas() { m_dc.DeleteDC(); }  // before the bitmap: it is selected in it

  CDC& dc() { return m_dc; }
  int width() const { return m_width; }
  int height() const { return m_height; }

  // The pixel as a COLORREF (0x00BBGGRR).
  COLORREF At(int x, int y) {
    ::GdiFlush();
    const DWORD v = m_bits[y * m_width + x];  // 0x00RRGGBB
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  void Fill(COLORREF color) { m_dc.FillSolidRect(0, 0, m_width, m_height, color); }
  // A background where every pixel differs from its neighbours, so that an
  // inversion or a misplaced copy anywhere shows.
  void FillVaried() {
    ::GdiFlush();
    for (int y = 0; y < m_height; ++y)
      for (int x = 0; x < m_width; ++x)
        m_bits[y * m_width + x] = static_cast<DWORD>((x * 7 + y * 13) & 0xFF) << 16 |
                                  static_cast<DWORD>((x * 3) & 0xFF) << 8 |
                                  static_cast<DWORD>((y * 5) & 0xFF);
  }
  std::vector<DWORD> Snapshot() {
    ::GdiFlush();
    return std::vector<DWORD>(m_bits, m_bits + m_width * m_height);
  }
  // Points whose pixels differ from a snapshot.
  std::vector<POINT> ChangedSince(const std::vector<DWORD>& before) {
    ::GdiFlush();
    std::vector<POINT> changed;
    for (int y = 0; y < m_height; ++y)
      for (int x = 0; x < m_width; ++x)
        if ((m_bits[y * m_width + x] & 0xFFFFFF) != (before[y * m_width + x] & 0xFFFFFF))
          changed.push_back(POINT{x, y});
    return changed;
  }

 private:
  int m_width;
  int m_height;
  DWORD* m_bits = nullptr;
  CDC m_dc;
  CBitmap m_bitmap;
};
