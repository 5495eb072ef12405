// What the tests' printer made of a print job, and how a printed page
// compares with the same page drawn on a stand-in page (CPageDC).
//
// The printer (win/printer) writes each job as DIR/TITLE.pdf, and its
// PostScript as DIR/TITLE.ps, TITLE being the job's document name (the
// frame's title) with anything but letters, digits, '.', '-' and '_' made
// '_'. The pages are rasterised and compared as the demo's printouts are.
#pragma once

#include "examples/DemoPrintout.h"

#include <string>
#include <vector>

// The Windows path of the job's file (ext "pdf" or "ps") in the printer's
// folder, or its subfolder (the second printer's, "second").
std::string JobFile(const std::string& title, const char* ext, const char* folder = "");
bool FileExists(const std::string& path);
std::string ReadFile(const std::string& path);
// Removes the job's files left from an earlier run.
void ForgetJob(const std::string& title, const char* folder = "");
// The job's PDF pages at nDpi pixels to the inch (none when there is no
// PDF); they stay in the printer's folder as TITLE-printed-N.ppm.
std::vector<PixelImage> RasterisedPages(const std::string& title, int nDpi,
                                        const char* folder = "");

// Writes a picture as TITLE-SUFFIX.ppm into the printer's folder.
bool WritePixmap(const PixelImage& page, const std::string& title, const std::string& suffix,
                 const char* folder = "");
