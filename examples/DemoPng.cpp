// Screen capture and PNG encoding for the demos. The encoder is the
// platform's imaging component (WIC), which every Windows host can rely on.
#include "DemoPicture.h"

#include <wincodec.h>

#include <algorithm>

COLORREF PixelImage::At(int x, int y) const {
  const DWORD v = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int PixelImage::Count(COLORREF colour) const {
  const DWORD v = (static_cast<DWORD>(GetRValue(colour)) << 16) |
                  (static_cast<DWORD>(GetGValue(colour)) << 8) | GetBValue(colour);
  return static_cast<int>(std::count_if(pixels.begin(), pixels.end(),
                                        [v](DWORD p) { return (p & 0xFFFFFF) == v; }));
}

PixelImage CaptureWindow(HWND hWnd) {
  RECT rc;
  ::GetWindowRect(hWnd, &rc);
  PixelImage image;
  image.width = rc.right - rc.left;
  image.height = rc.bottom - rc.top;
  if (image.width <= 0 || image.height <= 0) return image;
  HDC hScreen = ::GetDC(nullptr);
  HDC hMemory = ::CreateCompatibleDC(hScreen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP hBitmap = ::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
  ::BitBlt(hMemory, 0, 0, image.width, image.height, hScreen, rc.left, rc.top, SRCCOPY);
  ::GdiFlush();
  const auto* first = static_cast<const DWORD*>(bits);
  image.pixels.assign(first, first + static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
  ::SelectObject(hMemory, hOld);
  ::DeleteObject(hBitmap);
  ::DeleteDC(hMemory);
  ::ReleaseDC(nullptr, hScreen);
  return image;
}

namespace {

// Releases a COM interface when it goes out of scope.
template <class T>
struct ComRef {
  T* p = nullptr;
  ~ComRef() {
    if (p != nullptr) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

}  // namespace

bool SavePng(const PixelImage& image, const char* path) {
  if (image.width <= 0 || image.height <= 0) return false;
  // 24-bit rows, blue first, as the encoder takes them.
  const UINT stride = static_cast<UINT>(image.width) * 3;
  std::vector<BYTE> rows(static_cast<size_t>(stride) * static_cast<size_t>(image.height));
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const DWORD v = image.pixels[i];
    rows[i * 3] = static_cast<BYTE>(v & 0xFF);
    rows[i * 3 + 1] = static_cast<BYTE>((v >> 8) & 0xFF);
    rows[i * 3 + 2] = static_cast<BYTE>((v >> 16) & 0xFF);
  }
  wchar_t widePath[MAX_PATH];
  if (::MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH) == 0) return false;

  ComRef<IWICImagingFactory> factory;
  ComRef<IWICStream> stream;
  ComRef<IWICBitmapEncoder> encoder;
  ComRef<IWICBitmapFrameEncode> frame;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  return SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
         SUCCEEDED(factory->CreateStream(&stream)) &&
         SUCCEEDED(stream->InitializeFromFilename(widePath, GENERIC_WRITE)) &&
         SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
         SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
         SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
         SUCCEEDED(frame->Initialize(nullptr)) &&
         SUCCEEDED(frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height))) &&
         SUCCEEDED(frame->SetPixelFormat(&format)) &&
         IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&  // the encoder took our rows as they are
         SUCCEEDED(frame->WritePixels(static_cast<UINT>(image.height), stride,
                                      static_cast<UINT>(rows.size()), rows.data())) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}
