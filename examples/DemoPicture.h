// The demos' pictures of themselves, taken when they run without a display,
// and PNG files written through the platform's imaging component (WIC).
#pragma once

#include "Varnel.h"

#include <vector>

// Saves the window's picture, as it is on the screen, as a 24-bit BMP.
bool SaveWindowPicture(HWND hWnd, const char* path);

// Pixels read back from the screen or a page: 0x00RRGGBB, top row first.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<DWORD> pixels;

  COLORREF At(int x, int y) const;
  // How many pixels have exactly this colour.
  int Count(COLORREF colour) const;
};

// The window as it is on the screen (its frame and menu included).
PixelImage CaptureWindow(HWND hWnd);
// Writes the pixels as a PNG file (COM must be initialised on the thread).
bool SavePng(const PixelImage& image, const char* path);
