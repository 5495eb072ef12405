// The library entry of varnel.dll: registration with the framework, platform
// detection, and the framework's record of the library.
#include "afx/app/AfxModule.h"
#include "afx/app/AfxThreadLocal.h"
#include "frame/PlatformDetection.h"

#include <new>

using namespace varnel::frame;

namespace {

// Runs the framework's raw start-up hook before any other static object of
// the library is constructed, and its detach half after the last one is
// destroyed (objects are destroyed in reverse order of construction).
struct ExtensionStartupHook {
  ExtensionStartupHook() { AfxExtensionRawStartup(TRUE); }
  ~ExtensionStartupHook() { AfxExtensionRawStartup(FALSE); }
  ExtensionStartupHook(const ExtensionStartupHook&) = delete;
  ExtensionStartupHook& operator=(const ExtensionStartupHook&) = delete;
};
ExtensionStartupHook g_startupHook __attribute__((init_priority(101)));

AFX_EXTENSION_MODULE g_varnelModule = {};

BOOL AttachProcess(HINSTANCE hInstance) {
  if (!AfxInitExtensionModule(g_varnelModule, hInstance)) return FALSE;
  DetectPlatform(&GetVersionExA);
  // Owned by the framework, which chains it into its list of libraries;
  // without memory the library still loads, only unregistered.
  new (std::nothrow) CDynLinkLibrary(g_varnelModule, FALSE);
  return TRUE;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
  switch (dwReason) {
    case DLL_PROCESS_ATTACH:
      return AttachProcess(hInstance);
    case DLL_THREAD_DETACH:
      AfxTermThread();  // the ending thread's framework state
      return TRUE;
    case DLL_PROCESS_DETACH:
      AfxTermThread();
      AfxTermExtensionModule(g_varnelModule, FALSE);
      return TRUE;
    default:
      return TRUE;
  }
}
