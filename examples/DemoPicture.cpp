#include "DemoPicture.h"

#include <cstdio>

bool SaveWindowPicture(HWND hWnd, const char* path) {
  RECT rc;
  ::GetWindowRect(hWnd, &rc);
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  HDC hScreen = ::GetDC(nullptr);
  HDC hMemory = ::CreateCompatibleDC(hScreen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP hBitmap = ::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
  ::BitBlt(hMemory, 0, 0, width, height, hScreen, rc.left, rc.top, SRCCOPY);
  ::GdiFlush();
  const DWORD rowBytes = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + imageBytes;
  bool saved = false;
  if (FILE* out = std::fopen(path, "wb")) {
    saved = std::fwrite(&file, sizeof file, 1, out) == 1 &&
            std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
            std::fwrite(bits, imageBytes, 1, out) == 1;
    std::fclose(out);
  }
  ::SelectObject(hMemory, hOld);
  ::DeleteObject(hBitmap);
  ::DeleteDC(hMemory);
  ::ReleaseDC(nullptr, hScreen);
  return saved;
}
