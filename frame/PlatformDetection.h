// The steps behind the platform globals, exported separately so that the
// tests can run them with a version record of their choosing (a system that
// is not NT, an old NT) without touching the globals.
#pragma once

#include "afx/base/AfxTypes.h"

namespace varnel::frame {

struct PlatformVersion {
  bool bWinNT;
  unsigned long uWinVer;
};

typedef BOOL(WINAPI* VersionQueryFn)(OSVERSIONINFOA*);

// Asks `query` for the version record (size field 148) and reads the family
// and major version from it.
VARNEL_API PlatformVersion QueryPlatformVersion(VersionQueryFn query);

// Reads the wheel-scroll setting the way a system of that family and
// version keeps it: SystemParametersInfoA on NT 4 and later, the registry
// value "WheelScrollLines" under HKCU\Control Panel\Desktop otherwise.
VARNEL_API unsigned int ReadWheelScrollLines(PlatformVersion version);

// Sets m_bWinNT and m_uWinVer from `query` and caches the wheel setting.
// Runs at most once per process: the first call wins, later calls change
// nothing.
VARNEL_API void DetectPlatform(VersionQueryFn query);

}  // namespace varnel::frame
