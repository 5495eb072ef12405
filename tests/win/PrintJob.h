// What the tests' printer made of a print job, and how a printed page
// compares with the same page drawn on a stand-in page (CPageDC).
//
// The printer (win/printer) writes each job as DIR/TITLE.pdf, and its
// PostScript as DIR/TITLE.ps, TITLE being the job's document name (the
// frame's title) with anything but letters, digits, '.', '-' and '_' made
// '_'. Pages are rasterised by Poppler's pdftoppm, a Unix program Wine
// starts from its Z: drive path, without smoothing, so that colours stay
// those the job asked for.
#pragma once

#include "Varnel.h"

#include <string>
#include <vector>

// A page's pixels, 0x00RRGGBB, top row first.
struct PagePixels {
  int width = 0;
  int height = 0;
  std::vector<DWORD> pixels;
  DWORD At(int x, int y) const {
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};

// The Windows path of the job's file (ext "pdf" or "ps") in the printer's
// folder, or its subfolder (the second printer's, "second").
std::string JobFile(const std::string& title, const char* ext, const char* folder = "");
bool FileExists(const std::string& path);
std::string ReadFile(const std::string& path);
// Removes the job's files left from an earlier run.
void ForgetJob(const std::string& title, const char* folder = "");
// The job's PDF pages at nDpi pixels to the inch (none when there is no
// PDF); they stay in the printer's folder as TITLE-printed-N.ppm.
std::vector<PagePixels> RasterisedPages(const std::string& title, int nDpi,
                                        const char* folder = "");

// Writes a picture as TITLE-SUFFIX.ppm into the printer's folder.
bool WritePixmap(const PagePixels& page, const std::string& title, const std::string& suffix,
                 const char* folder = "");

// How a printed page compares with the stand-in page: where their colours
// differ, each one's ink (what is not white) is looked for in the other
// within growing squares around the same place; its offset is the distance
// (in pixels, at most kFarOffset) at which its colour first appears.
constexpr int kFarOffset = 4;
struct PageComparison {
  int nDiffering = 0;     // pixels whose colours differ
  int nWorstOffset = 0;   // the largest offset of either's ink
  int nMarginInk = 0;     // printed pixels further than a pixel outside the printable area
};
// `printed` is the whole sheet; `page` the printable area, at `offset` on
// it. Pixels inside `skip` (page coordinates) are left out of both.
PageComparison ComparePages(const PagePixels& printed, const PagePixels& page, POINT offset,
                            const std::vector<CRect>& skip);
// The smallest rectangle holding every pixel that is not white, inside
// `area` (the picture's own coordinates); empty when there is none.
CRect InkBounds(const PagePixels& picture, const CRect& area);
