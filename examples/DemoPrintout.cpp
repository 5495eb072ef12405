#include "DemoPrintout.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

constexpr DWORD kPaper = 0xFFFFFF;

DWORD Pixel(const PixelImage& picture, int x, int y) {
  return picture.pixels[static_cast<size_t>(y) * static_cast<size_t>(picture.width) +
                        static_cast<size_t>(x)];
}

// Colours as equal as the PostScript driver writes them: two decimals a
// channel, so a level or two apart.
bool SameColour(DWORD a, DWORD b) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 3)
      return false;
  }
  return true;
}

// The distance at which `colour` first appears in `picture` around (x, y).
int OffsetOf(DWORD colour, const PixelImage& picture, int x, int y) {
  for (int d = 0; d < kFarOffset; ++d) {
    for (int yy = std::max(0, y - d); yy <= std::min(picture.height - 1, y + d); ++yy) {
      for (int xx = std::max(0, x - d); xx <= std::min(picture.width - 1, x + d); ++xx) {
        if (SameColour(Pixel(picture, xx, yy), colour)) return d;
      }
    }
  }
  return kFarOffset;
}

std::string WindowText(HWND hWnd) {
  char text[128] = {};
  ::GetWindowTextA(hWnd, text, sizeof text);
  return text;
}

bool Skipped(const std::vector<CRect>& skip, int x, int y) {
  return std::any_of(skip.begin(), skip.end(),
                     [&](const CRect& rc) { return rc.PtInRect(CPoint(x, y)) != FALSE; });
}

}  // namespace

std::string JobFileTitle(const std::string& docName) {
  std::string name = docName;
  for (char& c : name) {
    const bool bKept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '-' || c == '_';
    if (!bKept) c = '_';
  }
  return name;
}

std::string WindowsPathOf(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

// Wine neither waits for a Unix program nor passes its exit code on: the
// command touches the marker file when it is done.
void RunUnixCommand(const std::string& command, const std::string& marker) {
  const std::string windowsMarker = WindowsPathOf(marker);
  ::DeleteFileA(windowsMarker.c_str());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string line = "Z:\\bin\\sh -c \"" + command + "; touch '" + marker + "'\"";
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    return;
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  for (int i = 0; i < 600 && ::GetFileAttributesA(windowsMarker.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) ::Sleep(50);
  ::DeleteFileA(windowsMarker.c_str());
}

// A binary portable pixmap (P6, 8 bits a channel), as pdftoppm writes them.
bool ReadPixmap(const std::string& path, PixelImage& page) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxValue = 0;
  in >> magic >> page.width >> page.height >> maxValue;
  in.get();  // the one white-space character before the pixels
  if (!in || magic != "P6" || maxValue != 255 || page.width <= 0 || page.height <= 0) return false;
  const size_t count = static_cast<size_t>(page.width) * static_cast<size_t>(page.height);
  std::vector<unsigned char> rgb(count * 3);
  in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
  if (!in) return false;
  page.pixels.resize(count);
  for (size_t i = 0; i < count; ++i) {
    page.pixels[i] = (DWORD{rgb[3 * i]} << 16) | (DWORD{rgb[3 * i + 1]} << 8) | rgb[3 * i + 2];
  }
  return true;
}

std::vector<PixelImage> RasterisePdf(const std::string& pdf, int nDpi, const std::string& prefix) {
  std::vector<PixelImage> pages;
  const auto pagePath = [&](int n, int digits) {
    char number[16];
    std::snprintf(number, sizeof number, "-%0*d.ppm", digits, n);
    return WindowsPathOf(prefix + number);
  };
  for (int n = 1; ::DeleteFileA(pagePath(n, 1).c_str()); ++n) {  // an earlier run's pages
  }
  RunUnixCommand("pdftoppm -r " + std::to_string(nDpi) + " -aa no -aaVector no '" + pdf + "' '" +
                     prefix + "'",
                 prefix + ".done");
  // pdftoppm numbers the pages with as many digits as the last one needs.
  for (int n = 1;; ++n) {
    PixelImage page;
    bool bRead = false;
    for (int digits = 1; digits <= 3 && !bRead; ++digits) bRead = ReadPixmap(pagePath(n, digits), page);
    if (!bRead) break;
    pages.push_back(std::move(page));
  }
  return pages;
}

PageComparison ComparePages(const PixelImage& printed, const PixelImage& page, POINT offset,
                            const std::vector<CRect>& skip) {
  PageComparison result;
  // The printable area's edges fall between pixels at the picture's
  // resolution, and the view's right and bottom edges are drawn on the
  // pixel just past the area: what lies within a pixel of an edge is
  // neither compared nor margin.
  const CRect area(offset.x, offset.y, offset.x + page.width, offset.y + page.height);
  CRect outer = area;
  outer.InflateRect(1, 1);
  for (int y = 0; y < printed.height; ++y) {
    for (int x = 0; x < printed.width; ++x) {
      if (!outer.PtInRect(CPoint(x, y)) && Pixel(printed, x, y) != kPaper) ++result.nMarginInk;
    }
  }
  // Ink (anything not white) is looked for both ways: a shape missing,
  // added or moved shows in one direction or the other, while a gap of
  // white a pixel wide between two shapes may close when each moves by a
  // pixel.
  for (int y = 1; y + 1 < page.height; ++y) {
    for (int x = 1; x + 1 < page.width; ++x) {
      if (Skipped(skip, x, y)) continue;
      const DWORD ours = Pixel(page, x, y), theirs = Pixel(printed, x + offset.x, y + offset.y);
      if (SameColour(ours, theirs)) continue;
      ++result.nDiffering;
      const int nOffset =
          std::max(ours != kPaper ? OffsetOf(ours, printed, x + offset.x, y + offset.y) : 0,
                   theirs != kPaper ? OffsetOf(theirs, page, x, y) : 0);
      if (nOffset > 1) ++result.nBeyondAPixel;
      result.nWorstOffset = std::max(result.nWorstOffset, nOffset);
    }
  }
  return result;
}

CRect InkBounds(const PixelImage& picture, const CRect& area) {
  CRect bounds(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
  for (int y = std::max(0L, area.top); y < std::min<LONG>(picture.height, area.bottom); ++y) {
    for (int x = std::max(0L, area.left); x < std::min<LONG>(picture.width, area.right); ++x) {
      if (Pixel(picture, x, y) == kPaper) continue;
      bounds.left = std::min<LONG>(bounds.left, x);
      bounds.top = std::min<LONG>(bounds.top, y);
      bounds.right = std::max<LONG>(bounds.right, x + 1);
      bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
    }
  }
  return bounds.left > bounds.right ? CRect() : bounds;
}

bool PickInCombo(HWND hCombo, const std::string& entry, void (*pressKey)(HWND, UINT)) {
  ::SetFocus(hCombo);
  const int nCount = static_cast<int>(::SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < nCount; ++i) pressKey(hCombo, VK_UP);
  for (int i = 0; i < nCount && WindowText(hCombo) != entry; ++i) pressKey(hCombo, VK_DOWN);
  return WindowText(hCombo) == entry;
}
