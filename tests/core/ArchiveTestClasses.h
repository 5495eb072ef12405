// Serial classes the archive tests store and load, a count of their live
// instances (to see that a failed load leaves none behind), and helpers
// that store into and load from memory files.
#pragma once

#include "afx/base/AfxArchive.h"
#include "afx/base/AfxColl.h"
#include "afx/base/AfxMemFile.h"

#include <cstdio>
#include <string>
#include <vector>

extern int g_nLiveArchiveTestObjects;

class CArchiveTestObject : public CObject {
 public:
  CArchiveTestObject() { ++g_nLiveArchiveTestObjects; }
  ~CArchiveTestObject() override { --g_nLiveArchiveTestObjects; }
};

// Schema 1: two ints.
class CPinPoint : public CArchiveTestObject {
  DECLARE_SERIAL(CPinPoint)

 public:
  CPinPoint() = default;
  CPinPoint(int x, int y) : m_x(x), m_y(y) {}
  void Serialize(CArchive& ar) override;
  int m_x = 0;
  int m_y = 0;
};

// Versionable, schema 2: a text and (since schema 2) a colour.
class CPinLabel : public CArchiveTestObject {
  DECLARE_SERIAL(CPinLabel)

 public:
  void Serialize(CArchive& ar) override;
  CString m_strText;
  DWORD m_colour = 0;
  UINT m_nLoadedSchema = 0;
};

// A chain: each node owns the next.
class CPinNode : public CArchiveTestObject {
  DECLARE_SERIAL(CPinNode)

 public:
  ~CPinNode() override { delete m_pNext; }
  void Serialize(CArchive& ar) override;
  int m_nValue = 0;
  CPinNode* m_pNext = nullptr;
};

// Loads a point it owns, then finds its own data damaged and throws.
class CPinFailing : public CArchiveTestObject {
  DECLARE_SERIAL(CPinFailing)

 public:
  ~CPinFailing() override { delete m_pPoint; }
  void Serialize(CArchive& ar) override;
  CPinPoint* m_pPoint = nullptr;
};

// A memory file that does not offer its memory: the archive goes through
// its own buffer and the file's Read and Write, as over a system file.
class CPlainMemFile : public CMemFile {
 public:
  UINT GetBufferPtr(UINT, UINT, void**, void**) override { return 0; }
};

using Bytes = std::vector<BYTE>;

// Bytes as "ff 00 1a", for readable comparisons.
inline std::string Hex(const Bytes& bytes) {
  std::string text;
  char sz[4];
  for (BYTE b : bytes) {
    std::snprintf(sz, sizeof sz, "%02x", b);
    if (!text.empty()) text += ' ';
    text += sz;
  }
  return text;
}

inline Bytes FileBytes(CMemFile& file) {
  Bytes bytes(static_cast<size_t>(file.GetLength()));
  file.SeekToBegin();
  if (!bytes.empty()) file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

// What store(ar) writes, through a memory file with direct access or not.
template <class F>
Bytes Stored(F store, bool bDirect = true) {
  CMemFile direct;
  CPlainMemFile plain;
  CMemFile& file = bDirect ? direct : static_cast<CMemFile&>(plain);
  {
    CArchive ar(&file, CArchive::store);
    store(ar);
    ar.Close();
  }
  return FileBytes(file);
}

// Runs load(ar) over the bytes.
template <class F>
void Loaded(const Bytes& bytes, F load, bool bDirect = true) {
  CMemFile direct;
  CPlainMemFile plain;
  CMemFile& file = bDirect ? direct : static_cast<CMemFile&>(plain);
  if (!bytes.empty()) file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  load(ar);
}

// The cause of the CArchiveException load(ar) throws over the bytes; -1
// when it throws none, -2 when it throws another exception.
template <class F>
int LoadFailure(const Bytes& bytes, F load, bool bDirect = true) {
  try {
    Loaded(bytes, load, bDirect);
  } catch (CArchiveException* e) {
    const int cause = e->m_cause;
    e->Delete();
    return cause;
  } catch (CException* e) {
    e->Delete();
    return -2;
  }
  return -1;
}
