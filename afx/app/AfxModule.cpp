#include "afx/app/AfxModule.h"

namespace {
// Zero-initialised, so it is ready before any static constructor runs.
AFX_MODULE_STATE g_moduleState;
}  // namespace

AFX_MODULE_STATE* AfxGetModuleState() { return &g_moduleState; }

void AfxClassInit(CRuntimeClass* pNewClass) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  pNewClass->m_pNextClass = pState->m_classList;
  pState->m_classList = pNewClass;
}

void AfxExtensionRawStartup(BOOL bAttach) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  if (bAttach) {
    pState->m_pClassInit = pState->m_classList;
    pState->m_pFactoryInit = pState->m_factoryList;
    pState->m_classList = nullptr;
    pState->m_factoryList = nullptr;
  } else {
    pState->m_classList = pState->m_pClassInit;
    pState->m_factoryList = pState->m_pFactoryInit;
  }
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
  if (hModule == nullptr) return FALSE;
  if (state.bInitialized) return TRUE;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  state.bInitialized = TRUE;
  state.hModule = hModule;
  state.hResource = hModule;
  state.pFirstSharedClass = pState->m_classList;
  state.pFirstSharedFactory = pState->m_factoryList;
  pState->m_classList = pState->m_pClassInit;
  pState->m_factoryList = pState->m_pFactoryInit;
  return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
  if (!state.bInitialized) return;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  CDynLinkLibrary* pLibrary = pState->m_libraryList;
  while (pLibrary != nullptr) {
    CDynLinkLibrary* pNext = pLibrary->m_pNextDLL;
    if (bAll || pLibrary->m_hModule == state.hModule) delete pLibrary;
    pLibrary = pNext;
  }
  state.bInitialized = FALSE;
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule),
      m_hResource(state.hResource),
      m_classList(state.pFirstSharedClass),
      m_factoryList(state.pFirstSharedFactory),
      m_bSystem(bSystem),
      m_pNextDLL(AfxGetModuleState()->m_libraryList) {
  AfxGetModuleState()->m_libraryList = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
  CDynLinkLibrary** ppLink = &AfxGetModuleState()->m_libraryList;
  while (*ppLink != nullptr && *ppLink != this) ppLink = &(*ppLink)->m_pNextDLL;
  if (*ppLink == this) *ppLink = m_pNextDLL;
}
