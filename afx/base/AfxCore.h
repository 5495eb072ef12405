// The root of the framework's class tree: CObject with run-time class
// information (CRuntimeClass), so that code can ask what an object is
// (IsKindOf) without compiler RTTI across the DLL boundary.
#pragma once

#include "afx/base/AfxTypes.h"

class CObject;

// Where an object's Dump writes: the debugger's output on Windows, the
// standard error stream elsewhere. A host's debug-build Dump overrides
// stream their members into it.
class VARNEL_API CDumpContext {
 public:
  CDumpContext& operator<<(const char* psz);
  CDumpContext& operator<<(const void* p);
  CDumpContext& operator<<(int n);
  CDumpContext& operator<<(unsigned int n);
  CDumpContext& operator<<(long n);
  CDumpContext& operator<<(unsigned long n);
  CDumpContext& operator<<(double d);
  int GetDepth() const { return m_nDepth; }
  void SetDepth(int nNewDepth) { m_nDepth = nNewDepth; }
  void Flush() {}

 private:
  int m_nDepth = 0;
};

VARNEL_API extern CDumpContext afxDump;

struct VARNEL_API CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;
  CObject* (*m_pfnCreateObject)();  // null for classes that cannot be created by name
  CRuntimeClass* m_pBaseClass;
  CRuntimeClass* m_pNextClass;       // link in a module's class list

  CObject* CreateObject() const;
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class VARNEL_API CObject {
 public:
  static CRuntimeClass classCObject;

  virtual ~CObject() = default;
  virtual CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  // Diagnostics hosts override in debug builds: a check of the object's
  // invariants, and a description of it.
  virtual void AssertValid() const {}
  virtual void Dump(CDumpContext& dc) const;

  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;

 protected:
  CObject() = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)              \
 public:                                         \
  static CRuntimeClass class##class_name;        \
  CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)               \
  CRuntimeClass class_name::class##class_name = {                                     \
      #class_name, static_cast<int>(sizeof(class_name)), 0xFFFF, pfnNew,              \
      RUNTIME_CLASS(base_class_name), nullptr};                                       \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)             \
  CObject* class_name::CreateObject() { return new class_name; }     \
  AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)
