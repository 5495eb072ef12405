// Saving and loading 100,000 shapes element by element through a CArchive
// over a system CFile, beside one WriteFile and one ReadFile of the same
// bytes. Runs under Wine (no Google Benchmark in the win build). Each
// round times the archive and the one system call back to back, so that
// both meet the same load on a shared machine; it prints the fastest of
// each and the median of the rounds' ratios.
#include "Varnel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 41;
constexpr int kShapes = 100000;

struct Shape {
  int nKind;
  int x;
  int y;
  double width;
  double height;
};

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
double Milliseconds(F f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  const auto elapsed = std::chrono::steady_clock::now() - start;
  return std::chrono::duration<double, std::milli>(elapsed).count();
}

double Fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

// The archive's times and the system call's, one pair a round.
struct Pairs {
  std::vector<double> archive;
  std::vector<double> system;

  double MedianRatio() const {
    std::vector<double> ratios;
    for (size_t i = 0; i < archive.size(); ++i) ratios.push_back(archive[i] / system[i]);
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 2];
  }
};

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

  // The bytes the archive stores, for the system calls to write and read.
  std::vector<char> bytes;
  {
    CMemFile memory;
    CArchive ar(&memory, CArchive::store);
    for (const Shape& s : shapes) ar << s.nKind << s.x << s.y << s.width << s.height;
    ar.Close();
    bytes.resize(static_cast<size_t>(memory.GetLength()));
    memory.SeekToBegin();
    memory.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  }
  std::vector<char> back(bytes.size());

  std::printf("%d shapes, %u bytes; %d rounds: the fastest of each, the median ratio\n", kShapes,
              static_cast<unsigned>(bytes.size()), kRounds);
  for (int nBufSize : {4096, 65536, 262144, 1048576}) {
    Pairs save;
    Pairs load;
    for (int r = 0; r < kRounds; ++r) {
      save.archive.push_back(Milliseconds([&] {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, nBufSize);
        for (const Shape& s : shapes) ar << s.nKind << s.x << s.y << s.width << s.height;
        ar.Close();
      }));
      save.system.push_back(Milliseconds([&] {
        const HANDLE hFile = OpenRaw(path, true);
        DWORD n = 0;
        ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
        ::CloseHandle(hFile);
      }));
      load.archive.push_back(Milliseconds([&] {
        CFile file(path.c_str(), CFile::modeRead);
        CArchive ar(&file, CArchive::load, nBufSize);
        for (Shape& s : loaded) ar >> s.nKind >> s.x >> s.y >> s.width >> s.height;
      }));
      DWORD nRead = 0;
      load.system.push_back(Milliseconds([&] {
        const HANDLE hFile = OpenRaw(path, false);
        ::ReadFile(hFile, back.data(), static_cast<DWORD>(back.size()), &nRead, nullptr);
        ::CloseHandle(hFile);
      }));
      if (nRead != bytes.size() || back != bytes || loaded.back().x != shapes.back().x) return 1;
    }
    std::printf("archive buffer %7d: save %6.2f ms, one WriteFile %6.2f ms, ratio %5.2f\n", nBufSize,
                Fastest(save.archive), Fastest(save.system), save.MedianRatio());
    std::printf("                        load %6.2f ms, one ReadFile  %6.2f ms, ratio %5.2f\n",
                Fastest(load.archive), Fastest(load.system), load.MedianRatio());
  }
  // The values alone, without a system file: the archive over memory.
  CMemFile memory;
  std::vector<double> saveMemory;
  std::vector<double> loadMemory;
  for (int r = 0; r < kRounds; ++r) {
    saveMemory.push_back(Milliseconds([&] {
      memory.SeekToBegin();
      CArchive ar(&memory, CArchive::store);
      for (const Shape& s : shapes) ar << s.nKind << s.x << s.y << s.width << s.height;
      ar.Close();
    }));
    loadMemory.push_back(Milliseconds([&] {
      memory.SeekToBegin();
      CArchive ar(&memory, CArchive::load);
      for (Shape& s : loaded) ar >> s.nKind >> s.x >> s.y >> s.width >> s.height;
    }));
  }
  std::printf("over a CMemFile:          save %6.2f ms, load %6.2f ms\n",
              Fastest(saveMemory), Fastest(loadMemory));
  ::DeleteFileA(path.c_str());
  return 0;
}
