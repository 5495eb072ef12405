// Saving and loading 100,000 shapes element by element through a CArchive
// over a system CFile, beside one WriteFile and one ReadFile of the same
// bytes. Runs under Wine (no Google Benchmark in the win build); prints
// the median of several repetitions of each and their ratios.
#include "Varnel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRepetitions = 9;
constexpr int kShapes = 100000;

struct Shape {
  int nKind;
  int x;
  int y;
  double width;
  double height;
};
constexpr size_t kShapeBytes = 3 * sizeof(int) + 2 * sizeof(double);  // as stored

std::vector<Shape> MakeShapes() {
  std::vector<Shape> shapes(kShapes);
  unsigned int nSeed = 5;
  for (Shape& s : shapes) {
    nSeed = nSeed * 1103515245u + 12345u;
    const int n = static_cast<int>(nSeed >> 8) - (1 << 22);
    s = {n & 3, n, -n, n / 7.0, n / 3.0};
  }
  return shapes;
}

template <class F>
double MedianMilliseconds(F f) {
  std::vector<double> times;
  for (int r = 0; r < kRepetitions; ++r) {
    const auto start = std::chrono::steady_clock::now();
    f();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    times.push_back(std::chrono::duration<double, std::milli>(elapsed).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

HANDLE OpenRaw(const std::string& path, bool bWrite) {
  return ::CreateFileA(path.c_str(), bWrite ? GENERIC_WRITE : GENERIC_READ, 0, nullptr,
                       bWrite ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

int main() {
  char szFolder[MAX_PATH];
  ::GetTempPathA(MAX_PATH, szFolder);
  const std::string path = std::string(szFolder) + "varnel-archive-timing.bin";
  const std::vector<Shape> shapes = MakeShapes();
  std::vector<Shape> loaded(kShapes);
  std::vector<char> bytes;

  std::printf("%d shapes, %u bytes; median of %d repetitions\n", kShapes,
              static_cast<unsigned>(kShapes * kShapeBytes), kRepetitions);
  for (int nBufSize : {4096, 65536}) {
    const double save = MedianMilliseconds([&] {
      CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
      CArchive ar(&file, CArchive::store, nBufSize);
      for (const Shape& s : shapes) ar << s.nKind << s.x << s.y << s.width << s.height;
      ar.Close();
    });
    const double load = MedianMilliseconds([&] {
      CFile file(path.c_str(), CFile::modeRead);
      CArchive ar(&file, CArchive::load, nBufSize);
      for (Shape& s : loaded) ar >> s.nKind >> s.x >> s.y >> s.width >> s.height;
    });
    if (loaded.back().x != shapes.back().x) return 1;
    if (bytes.empty()) {
      CFile file(path.c_str(), CFile::modeRead);
      bytes.resize(static_cast<size_t>(file.GetLength()));
      file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    }
    const double write = MedianMilliseconds([&] {
      const HANDLE hFile = OpenRaw(path, true);
      DWORD n = 0;
      ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
      ::CloseHandle(hFile);
    });
    std::vector<char> back(bytes.size());
    const double read = MedianMilliseconds([&] {
      const HANDLE hFile = OpenRaw(path, false);
      DWORD n = 0;
      ::ReadFile(hFile, back.data(), static_cast<DWORD>(back.size()), &n, nullptr);
      ::CloseHandle(hFile);
    });
    std::printf("archive buffer %6d: save %7.2f ms, one WriteFile %7.2f ms, ratio %5.2f\n", nBufSize,
                save, write, save / write);
    std::printf("                      load %7.2f ms, one ReadFile  %7.2f ms, ratio %5.2f\n", load,
                read, load / read);
  }
  ::DeleteFileA(path.c_str());
  return 0;
}
