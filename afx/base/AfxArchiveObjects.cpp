// Graphs of objects in an archive: the object and class tags, the numbers
// that make an object stored twice load once, and the checks that refuse a
// damaged file before it is used as something it is not.
#include "afx/base/AfxArchive.h"

#include "afx/base/AfxArchiveMaps.h"

namespace {

constexpr WORD kNullTag = 0;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr DWORD kBigClassTag = 0x80000000u;
constexpr DWORD kMaxMapCount = 0x3FFFFFFE;
// Class names of this length or more are not read (nor written).
constexpr WORD kMaxClassNameLength = 64;
// Objects nested deeper than this (each loaded inside the one before) are
// refused: each level takes stack, and a damaged file could ask for as
// many levels as it has bytes. Storing refuses the same depth, so that
// nothing is written that would not load.
constexpr int kMaxObjectDepth = 1000;

// Counts one level of objects inside objects for the scope of a Serialize.
class CDepthGuard {
 public:
  CDepthGuard(int& nDepth, const CString& strFileName) : m_nDepth(nDepth) {
    if (m_nDepth >= kMaxObjectDepth) {
      AfxThrowArchiveException(CArchiveException::badIndex, strFileName);
    }
    ++m_nDepth;
  }
  ~CDepthGuard() { --m_nDepth; }
  CDepthGuard(const CDepthGuard&) = delete;
  CDepthGuard& operator=(const CDepthGuard&) = delete;

 private:
  int& m_nDepth;
};

}  // namespace

CArchiveMaps& CArchive::Maps() {
  if (m_pMaps == nullptr) m_pMaps = new CArchiveMaps;
  return *m_pMaps;
}

// ---- class names -----------------------------------------------------------------

void CRuntimeClass::Store(CArchive& ar) const {
  const size_t nLength = std::strlen(m_lpszClassName);
  if (nLength >= kMaxClassNameLength) AfxThrowArchiveException(CArchiveException::badClass);
  ar << static_cast<WORD>(m_wSchema & 0xFFFF) << static_cast<WORD>(nLength);
  ar.Write(m_lpszClassName, static_cast<UINT>(nLength));
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum) {
  WORD wSchema = 0;
  WORD nLength = 0;
  ar >> wSchema >> nLength;
  if (nLength == 0 || nLength >= kMaxClassNameLength) return nullptr;
  char szName[kMaxClassNameLength];
  if (ar.Read(szName, nLength) != nLength) {
    AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  }
  szName[nLength] = '\0';
  if (std::strlen(szName) != nLength) return nullptr;  // a NUL inside: no class name
  *pwSchemaNum = wSchema;
  return FromName(szName);
}

// ---- storing -------------------------------------------------------------------------

void CArchive::WriteObjectTag(DWORD nIndex, BOOL bClass) {
  if (nIndex < kBigObjectTag) {
    *this << static_cast<WORD>(bClass ? (kClassTag | nIndex) : nIndex);
  } else {
    *this << kBigObjectTag << static_cast<UINT>(bClass ? (kBigClassTag | nIndex) : nIndex);
  }
}

namespace {

void NumberStored(CArchiveMaps& maps, const void* pItem, const CString& strFileName) {
  if (maps.nNextStoreIndex > kMaxMapCount) {
    AfxThrowArchiveException(CArchiveException::badIndex, strFileName);
  }
  maps.storeMap.emplace(pItem, maps.nNextStoreIndex++);
}

}  // namespace

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
  CheckMode(TRUE);
  if (pClassRef == nullptr || pClassRef->m_wSchema == 0xFFFF) {
    AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);  // not a serial class
  }
  CArchiveMaps& maps = Maps();
  const auto found = maps.storeMap.find(pClassRef);
  if (found != maps.storeMap.end()) {
    WriteObjectTag(found->second, TRUE);
    return;
  }
  *this << kNewClassTag;
  pClassRef->Store(*this);
  NumberStored(maps, pClassRef, m_strFileName);
}

void CArchive::WriteObject(const CObject* pOb) {
  CheckMode(TRUE);
  if (pOb == nullptr) {
    *this << kNullTag;
    return;
  }
  CArchiveMaps& maps = Maps();
  const auto found = maps.storeMap.find(pOb);
  if (found != maps.storeMap.end()) {
    WriteObjectTag(found->second, FALSE);
    return;
  }
  CDepthGuard depth(maps.nDepth, m_strFileName);
  WriteClass(pOb->GetRuntimeClass());
  NumberStored(maps, pOb, m_strFileName);
  const_cast<CObject*>(pOb)->Serialize(*this);
}

void CArchive::MapObject(const CObject* pOb) {
  CArchiveMaps& maps = Maps();
  if (m_bStoring) {
    if (maps.storeMap.find(pOb) == maps.storeMap.end()) NumberStored(maps, pOb, m_strFileName);
  } else {
    if (maps.loaded.size() > kMaxMapCount) {
      AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    }
    maps.loaded.push_back({CArchiveLoadedEntry::kObject, const_cast<CObject*>(pOb), 0});
  }
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef) {
  if (m_bStoring) {
    WriteClass(pClassRef);
  } else {
    ReadClass(pClassRef);
  }
}

// ---- loading ---------------------------------------------------------------------------

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema,
                                   DWORD* pObTag) {
  CheckMode(FALSE);
  WORD wTag = 0;
  *this >> wTag;
  DWORD obTag = 0;
  if (wTag == kBigObjectTag) {
    UINT dwTag = 0;
    *this >> dwTag;
    obTag = dwTag;
  } else {
    obTag = (static_cast<DWORD>(wTag & kClassTag) << 16) | static_cast<DWORD>(wTag & ~kClassTag);
  }
  if (pObTag != nullptr) *pObTag = obTag;
  if ((obTag & kBigClassTag) == 0) {
    // An object's tag where a class was asked for alone.
    if (pObTag == nullptr) AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    return nullptr;
  }

  CArchiveMaps& maps = Maps();
  CRuntimeClass* pClass = nullptr;
  UINT nSchema = 0;
  if (wTag == kNewClassTag) {
    pClass = CRuntimeClass::Load(*this, &nSchema);
    if (pClass == nullptr) AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    if ((pClass->m_wSchema & VERSIONABLE_SCHEMA) == 0 && (pClass->m_wSchema & 0xFFFF) != nSchema) {
      AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
    }
    if (maps.loaded.size() > kMaxMapCount) {
      AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    }
    maps.loaded.push_back({CArchiveLoadedEntry::kClass, pClass, nSchema});
  } else {
    const DWORD nIndex = obTag & ~kBigClassTag;
    if (nIndex >= maps.loaded.size() || maps.loaded[nIndex].nKind != CArchiveLoadedEntry::kClass) {
      AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    }
    pClass = static_cast<CRuntimeClass*>(maps.loaded[nIndex].pItem);
    nSchema = maps.loaded[nIndex].nSchema;
  }

  if (pClassRefRequested != nullptr && !pClass->IsDerivedFrom(pClassRefRequested)) {
    AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
  }
  if (pSchema != nullptr) {
    *pSchema = nSchema;
  } else {
    m_nObjectSchema = nSchema;
  }
  return pClass;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
  UINT nSchema = 0;
  DWORD obTag = 0;
  CRuntimeClass* pClass = ReadClass(pClassRefRequested, &nSchema, &obTag);
  if (pClass != nullptr) return LoadNewObject(pClass, nSchema);

  // A reference to an object loaded before, or null.
  if (obTag == kNullTag) return nullptr;
  const CArchiveMaps& maps = Maps();
  if (obTag >= maps.loaded.size() || maps.loaded[obTag].nKind != CArchiveLoadedEntry::kObject) {
    AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
  }
  CObject* pOb = static_cast<CObject*>(maps.loaded[obTag].pItem);
  if (pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested)) {
    AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
  }
  return pOb;
}

CObject* CArchive::LoadNewObject(CRuntimeClass* pClass, UINT nSchema) {
  CArchiveMaps& maps = Maps();
  CDepthGuard depth(maps.nDepth, m_strFileName);
  if (maps.loaded.size() > kMaxMapCount) {
    AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
  }
  CObject* pOb = pClass->CreateObject();
  if (pOb == nullptr) AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
  const size_t nIndex = maps.loaded.size();
  const UINT nSavedSchema = m_nObjectSchema;
  try {
    // Numbered before its data is read: objects inside it may refer to it.
    maps.loaded.push_back({CArchiveLoadedEntry::kObject, pOb, 0});
    m_nObjectSchema = nSchema;
    pOb->Serialize(*this);
  } catch (...) {
    // Half loaded: nobody else owns it yet. References to it read later
    // in this archive are refused.
    if (nIndex < maps.loaded.size()) maps.loaded[nIndex] = {CArchiveLoadedEntry::kDiscarded, nullptr, 0};
    m_nObjectSchema = nSavedSchema;
    delete pOb;
    throw;
  }
  m_nObjectSchema = nSavedSchema;
  return pOb;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb) {
  ar.WriteObject(pOb);
  return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb) {
  pOb = ar.ReadObject(nullptr);
  return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb) {
  pOb = ar.ReadObject(nullptr);
  return ar;
}
