#include "PrintJob.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string UnixFolder(const char* folder) {
  std::string path = VARNEL_PRINTER_DIR;
  if (*folder != '\0') path += std::string("/") + folder;
  return path;
}

}  // namespace

std::string JobFile(const std::string& title, const char* ext, const char* folder) {
  return WindowsPathOf(UnixFolder(folder) + "/" + JobFileTitle(title) + "." + ext);
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void ForgetJob(const std::string& title, const char* folder) {
  const std::string prefix = WindowsPathOf(UnixFolder(folder) + "/" + JobFileTitle(title));
  ::DeleteFileA((prefix + ".pdf").c_str());
  ::DeleteFileA((prefix + ".ps").c_str());
  // The pages' pictures of an earlier run.
  WIN32_FIND_DATAA found;
  const HANDLE hFind = ::FindFirstFileA((prefix + "-*.ppm").c_str(), &found);
  if (hFind == INVALID_HANDLE_VALUE) return;
  const std::string dir = WindowsPathOf(UnixFolder(folder)) + "\\";
  do {
    ::DeleteFileA((dir + found.cFileName).c_str());
  } while (::FindNextFileA(hFind, &found));
  ::FindClose(hFind);
}

bool WritePixmap(const PixelImage& page, const std::string& title, const std::string& suffix,
                 const char* folder) {
  std::ofstream out(WindowsPathOf(UnixFolder(folder) + "/" + JobFileTitle(title) + suffix + ".ppm"),
                    std::ios::binary);
  out << "P6\n" << page.width << " " << page.height << "\n255\n";
  for (DWORD v : page.pixels) {
    const char rgb[3] = {static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                         static_cast<char>(v & 0xFF)};
    out.write(rgb, 3);
  }
  return static_cast<bool>(out);
}

std::vector<PixelImage> RasterisedPages(const std::string& title, int nDpi, const char* folder) {
  const std::string base = UnixFolder(folder) + "/" + JobFileTitle(title);
  return RasterisePdf(base + ".pdf", nDpi, base + "-printed");
}
