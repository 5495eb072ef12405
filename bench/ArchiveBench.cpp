// Saving and loading 100,000 shapes element by element through a CArchive
// over a CMemFile, beside one memcpy of the same bytes: the archive's
// buffer should make each << and >> cost about what copying its bytes does.
// Also through the archive's own buffer (a memory file without direct
// access, as a system file is used), and as serial objects in a CObArray
// (the cost of the object tags and the map that loads each object once).
#include "afx/base/AfxArchive.h"
#include "afx/base/AfxColl.h"
#include "afx/base/AfxMemFile.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int kShapes = 100000;

struct Shape {
  int nKind;
  int x;
  int y;
  double width;
  double height;
};
constexpr size_t kShapeBytes = 3 * sizeof(int) + 2 * sizeof(double);  // 28 as stored

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes = [] {
    std::vector<Shape> s(kShapes);
    std::mt19937 random(5);  // the same data every run
    std::uniform_int_distribution<int> coordinate(-100000, 100000);
    for (Shape& shape : s) {
      shape = {coordinate(random) & 3, coordinate(random), coordinate(random),
               coordinate(random) / 7.0, coordinate(random) / 3.0};
    }
    return s;
  }();
  return shapes;
}

void Store(CArchive& ar, const std::vector<Shape>& shapes) {
  for (const Shape& s : shapes) ar << s.nKind << s.x << s.y << s.width << s.height;
}

void Load(CArchive& ar, std::vector<Shape>& shapes) {
  for (Shape& s : shapes) ar >> s.nKind >> s.x >> s.y >> s.width >> s.height;
}

// A memory file that does not offer its memory: the archive copies through
// its own buffer and the file's Read and Write.
class CBufferedMemFile : public CMemFile {
 public:
  UINT GetBufferPtr(UINT, UINT, void**, void**) override { return 0; }
};

void CountBytes(benchmark::State& state) {
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kShapes * kShapeBytes));
}

void MemcpySameBytes(benchmark::State& state) {
  std::vector<char> from(kShapes * kShapeBytes, 1);
  std::vector<char> to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  CountBytes(state);
}
BENCHMARK(MemcpySameBytes)->Unit(benchmark::kMicrosecond);

// The floor of element-wise code: the same fields copied one by one into a
// buffer already large enough, with no checks at all.
void UncheckedElementLoop(benchmark::State& state) {
  const std::vector<Shape>& shapes = Shapes();
  std::vector<char> to(kShapes * kShapeBytes);
  for (auto _ : state) {
    char* p = to.data();
    for (const Shape& s : shapes) {
      std::memcpy(p, &s.nKind, 4);
      std::memcpy(p + 4, &s.x, 4);
      std::memcpy(p + 8, &s.y, 4);
      std::memcpy(p + 12, &s.width, 8);
      std::memcpy(p + 20, &s.height, 8);
      p += kShapeBytes;
    }
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  CountBytes(state);
}
BENCHMARK(UncheckedElementLoop)->Unit(benchmark::kMicrosecond);

template <class File>
void SaveShapes(benchmark::State& state) {
  const std::vector<Shape>& shapes = Shapes();
  File file;
  for (auto _ : state) {
    file.SeekToBegin();  // the file keeps its memory, as the memcpy's target does
    CArchive ar(&file, CArchive::store);
    Store(ar, shapes);
    ar.Close();
    benchmark::ClobberMemory();
  }
  if (file.GetLength() != kShapes * kShapeBytes) state.SkipWithError("wrong length");
  CountBytes(state);
}
BENCHMARK_TEMPLATE(SaveShapes, CMemFile)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(SaveShapes, CBufferedMemFile)->Unit(benchmark::kMicrosecond);

template <class File>
void LoadShapes(benchmark::State& state) {
  File file;
  {
    CArchive ar(&file, CArchive::store);
    Store(ar, Shapes());
  }
  std::vector<Shape> shapes(kShapes);
  for (auto _ : state) {
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    Load(ar, shapes);
    benchmark::DoNotOptimize(shapes.data());
    benchmark::ClobberMemory();
  }
  if (shapes.back().x != Shapes().back().x) state.SkipWithError("loaded wrong data");
  CountBytes(state);
}
BENCHMARK_TEMPLATE(LoadShapes, CMemFile)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(LoadShapes, CBufferedMemFile)->Unit(benchmark::kMicrosecond);

// The same shapes as serial objects.
class CBenchShape : public CObject {
  DECLARE_SERIAL(CBenchShape)

 public:
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar << m_shape.nKind << m_shape.x << m_shape.y << m_shape.width << m_shape.height;
    } else {
      ar >> m_shape.nKind >> m_shape.x >> m_shape.y >> m_shape.width >> m_shape.height;
    }
  }
  Shape m_shape{};
};
IMPLEMENT_SERIAL(CBenchShape, CObject, 1)

class CShapeObjects {
 public:
  CShapeObjects() {
    for (const Shape& shape : Shapes()) {
      auto* pShape = new CBenchShape;
      pShape->m_shape = shape;
      m_array.Add(pShape);
    }
  }
  ~CShapeObjects() { Clear(); }
  void Clear() {
    for (int i = 0; i < m_array.GetSize(); ++i) delete m_array[i];
    m_array.RemoveAll();
  }
  CObArray m_array;
};

void SaveShapeObjects(benchmark::State& state) {
  CShapeObjects objects;
  CMemFile file;
  for (auto _ : state) {
    file.SeekToBegin();
    CArchive ar(&file, CArchive::store);
    objects.m_array.Serialize(ar);
    ar.Close();
  }
  CountBytes(state);
}
BENCHMARK(SaveShapeObjects)->Unit(benchmark::kMicrosecond);

void LoadShapeObjects(benchmark::State& state) {
  CMemFile file;
  {
    CShapeObjects objects;
    CArchive ar(&file, CArchive::store);
    objects.m_array.Serialize(ar);
  }
  CShapeObjects loaded;
  for (auto _ : state) {
    loaded.Clear();
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    loaded.m_array.Serialize(ar);
  }
  CountBytes(state);
}
BENCHMARK(LoadShapeObjects)->Unit(benchmark::kMicrosecond);

}  // namespace
