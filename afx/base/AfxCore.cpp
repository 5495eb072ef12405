#include "afx/base/AfxCore.h"

#include <cstdio>

CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF,
                                       nullptr, nullptr, nullptr};

CObject* CRuntimeClass::CreateObject() const {
  return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass) {
    if (pClass == pBaseClass) return TRUE;
  }
  return FALSE;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}

// ---- diagnostics ------------------------------------------------------------

CDumpContext afxDump;

namespace {

void WriteDump(const char* psz) {
#if defined(_WIN32)
  ::OutputDebugStringA(psz);
#else
  std::fputs(psz, stderr);
#endif
}

template <class T>
CDumpContext& WriteFormatted(CDumpContext& dc, const char* pszFormat, T value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pszFormat, value);
  WriteDump(buffer);
  return dc;
}

}  // namespace

CDumpContext& CDumpContext::operator<<(const char* psz) {
  WriteDump(psz != nullptr ? psz : "(null)");
  return *this;
}
CDumpContext& CDumpContext::operator<<(const void* p) { return WriteFormatted(*this, "%p", p); }
CDumpContext& CDumpContext::operator<<(int n) { return WriteFormatted(*this, "%d", n); }
CDumpContext& CDumpContext::operator<<(unsigned int n) { return WriteFormatted(*this, "%u", n); }
CDumpContext& CDumpContext::operator<<(long n) { return WriteFormatted(*this, "%ld", n); }
CDumpContext& CDumpContext::operator<<(unsigned long n) { return WriteFormatted(*this, "%lu", n); }
CDumpContext& CDumpContext::operator<<(double d) { return WriteFormatted(*this, "%g", d); }

void CObject::Dump(CDumpContext& dc) const {
  dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << static_cast<const void*>(this)
     << "\n";
}
