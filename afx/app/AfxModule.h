// Module state and extension-library registration. A framework extension
// library (such as varnel.dll) registers itself at load so that its run-time
// classes and class factories join those of the host, and deregisters at
// unload.
#pragma once

#include "afx/base/AfxCore.h"

// A class-factory record; the module state keeps them in a list.
struct VARNEL_API COleObjectFactory {
  COleObjectFactory* m_pNextFactory = nullptr;
};

class CDynLinkLibrary;

struct VARNEL_API AFX_MODULE_STATE {
  CRuntimeClass* m_classList;          // head of the run-time class list
  COleObjectFactory* m_factoryList;    // head of the class-factory list
  CRuntimeClass* m_pClassInit;         // the class list as it stood when a library loaded
  COleObjectFactory* m_pFactoryInit;   // the factory list as it stood then
  CDynLinkLibrary* m_libraryList;      // registered extension libraries, newest first
};

VARNEL_API AFX_MODULE_STATE* AfxGetModuleState();

// Adds a run-time class to the current module's class list.
VARNEL_API void AfxClassInit(CRuntimeClass* pNewClass);

// An extension library's record of what it registered.
struct AFX_EXTENSION_MODULE {
  BOOL bInitialized;
  HMODULE hModule;
  HMODULE hResource;
  CRuntimeClass* pFirstSharedClass;
  COleObjectFactory* pFirstSharedFactory;
};

// The raw start-up hook of an extension library: at attach, before the
// library's static objects are constructed, it sets the module's class and
// factory lists aside and empties them, so that what the library's static
// construction registers lands on lists of its own; at detach, after the
// static objects are destroyed, it puts the set-aside lists back.
VARNEL_API void AfxExtensionRawStartup(BOOL bAttach);

// Takes over what the library registered since the raw start-up hook and
// restores the module's lists. Refuses (FALSE) a null module handle.
VARNEL_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);

// Deletes the library records of the module (of every module when bAll) and
// marks the module uninitialised.
VARNEL_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// The framework's record of a loaded extension library. It chains itself
// into the module state's library list and is owned by the framework.
class VARNEL_API CDynLinkLibrary : public CObject {
  DECLARE_DYNAMIC(CDynLinkLibrary)

 public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
  ~CDynLinkLibrary() override;

  HMODULE m_hModule;
  HMODULE m_hResource;
  CRuntimeClass* m_classList;
  COleObjectFactory* m_factoryList;
  BOOL m_bSystem;
  CDynLinkLibrary* m_pNextDLL;
};
