// The demos' printouts: a print job's PDF rasterised into pictures by
// Poppler's pdftoppm (a Unix program, started from its Z: drive path), and
// how a printed page compares with the same page drawn on a stand-in page
// (CPageDC) at the same resolution.
#pragma once

#include "DemoPicture.h"

#include <string>
#include <vector>

// The file name (without its extension) the test printer gives a job's PDF
// and PostScript: the document's name with anything but letters, digits,
// '.', '-' and '_' made '_'.
std::string JobFileTitle(const std::string& docName);
// The Windows path of a Unix one (Wine's drive Z:).
std::string WindowsPathOf(const std::string& unixPath);
// Runs a Unix shell command and waits for it (for half a minute at most):
// it then touches `marker`, a Unix path.
void RunUnixCommand(const std::string& command, const std::string& marker);
// Reads a binary portable pixmap (P6), as pdftoppm writes them.
bool ReadPixmap(const std::string& path, PixelImage& picture);

// The pages of a PDF at nDpi pixels to the inch, written as
// PREFIX-N.ppm (Unix paths) without smoothing, so that colours stay those
// the job asked for; none when there is no PDF.
std::vector<PixelImage> RasterisePdf(const std::string& pdf, int nDpi, const std::string& prefix);

// Where their colours differ, each picture's ink (what is not white) is
// looked for in the other within growing squares around the same place;
// its offset is the distance (in pixels, at most kFarOffset) at which its
// colour first appears.
constexpr int kFarOffset = 4;
struct PageComparison {
  int nDiffering = 0;    // pixels whose colours differ
  int nBeyondAPixel = 0; // of those, the ones whose ink lies further than a pixel away
  int nWorstOffset = 0;  // the largest offset of either's ink
  int nMarginInk = 0;    // printed pixels further than a pixel outside the printable area
};
// `printed` is the whole sheet; `page` its printable area, at `offset` on
// it. Pixels inside `skip` (page coordinates) are left out.
PageComparison ComparePages(const PixelImage& printed, const PixelImage& page, POINT offset,
                            const std::vector<CRect>& skip);
// The standard print dialogs as a user works them: their controls (dlgs.h)
// and a drop-down list's entry picked with the arrow keys (pressKey presses
// one on a window and lets it be handled), up to the top, then down until
// it shows.
constexpr int kPrintSetupPrinters = 0x470;  // cmb1
constexpr int kPrintSetupPaper = 0x471;     // cmb2
constexpr int kPrintPrinters = 0x473;       // cmb4: the print dialog's printers
constexpr int kPortrait = 0x420, kLandscape = 0x421;  // rad1, rad2 in print setup
constexpr int kPrintPages = 0x422;          // rad3: print the pages from .. to
constexpr int kFromPage = 0x480, kToPage = 0x481, kCopies = 0x482;  // edt1..edt3
bool PickInCombo(HWND hCombo, const std::string& entry, void (*pressKey)(HWND, UINT));

// The smallest rectangle holding every pixel that is not white, inside
// `area` (the picture's own coordinates); empty when there is none.
CRect InkBounds(const PixelImage& picture, const CRect& area);
