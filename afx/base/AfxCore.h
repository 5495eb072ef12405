// The root of the framework's class tree: CObject with run-time class
// information (CRuntimeClass), so that code can ask what an object is
// (IsKindOf) without compiler RTTI across the DLL boundary, and so that an
// archive can store an object's class by name and make it again on loading
// (DECLARE_SERIAL).
#pragma once

#include "afx/base/AfxTypes.h"

class CObject;
class CArchive;

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

// A serial class's schema number with this bit set accepts every schema on
// loading; its Serialize asks the archive which one it reads
// (CArchive::GetObjectSchema). Without it, another schema is refused.
#define VERSIONABLE_SCHEMA (0x80000000u)

struct VARNEL_API CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;                    // 0xFFFF for classes that are not serial
  CObject* (*m_pfnCreateObject)();  // null for classes that cannot be created by name
  CRuntimeClass* m_pBaseClass;
  CRuntimeClass* m_pNextClass;       // link in the list of serial classes

  CObject* CreateObject() const;
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

  // The serial class of that name (IMPLEMENT_SERIAL registers them), or
  // null: only serial classes can be made from a name read from a file.
  static CRuntimeClass* FromName(LPCSTR lpszClassName);
  // The class as an archive stores it: its schema (WORD), the length of
  // its name (WORD) and the name's characters.
  void Store(CArchive& ar) const;
  // Reads what Store wrote: the registered class of that name with the
  // schema found in *pwSchemaNum, or null when the name is unknown or not
  // a class name at all.
  static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);
};

// Links a serial class into the list FromName searches; IMPLEMENT_SERIAL
// makes one per class.
struct VARNEL_API AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

class VARNEL_API CObject {
 public:
  static CRuntimeClass classCObject;
  static CRuntimeClass* GetThisClass() { return &classCObject; }

  virtual ~CObject() = default;
  virtual CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  // Diagnostics hosts override in debug builds: a check of the object's
  // invariants, and a description of it.
  virtual void AssertValid() const {}
  virtual void Dump(CDumpContext& dc) const;

  // Stores the object's data into an archive or loads it back; a serial
  // class overrides it and calls its base class's first.
  virtual void Serialize(CArchive& ar);
  BOOL IsSerializable() const;

  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;

 protected:
  CObject() = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// GetThisClass gives the class's run-time class where RUNTIME_CLASS cannot
// name it (in a template).
#define DECLARE_DYNAMIC(class_name)                                      \
 public:                                                                 \
  static CRuntimeClass class##class_name;                                \
  static CRuntimeClass* GetThisClass() { return &class##class_name; }    \
  CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

// A serial class: creatable by name, with an extraction operator that loads
// a pointer to it from an archive (ar >> pShape) and refuses an object of
// another class.
#define DECLARE_SERIAL(class_name) \
  DECLARE_DYNCREATE(class_name)    \
  friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)      \
  CRuntimeClass class_name::class##class_name = {                                     \
      #class_name, static_cast<int>(sizeof(class_name)), wSchema, pfnNew,             \
      RUNTIME_CLASS(base_class_name), nullptr};                                       \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)             \
  CObject* class_name::CreateObject() { return new class_name; }     \
  AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// wSchema: the version of the class's stored data (0 to 0xFFFE), with
// VERSIONABLE_SCHEMA when its Serialize reads older versions itself. The
// file that uses it includes afx/base/AfxArchive.h.
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                          \
  CObject* class_name::CreateObject() { return new class_name; }                       \
  AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema,                     \
                             class_name::CreateObject)                                 \
  static const AFX_CLASSINIT afxClassInit##class_name(RUNTIME_CLASS(class_name));      \
  [[maybe_unused]] CArchive& operator>>(CArchive& ar, class_name*& pOb) {              \
    pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));          \
    return ar;                                                                         \
  }
