// What varnel.dll records about the system at load: the platform family and
// major version, and how many lines a wheel notch scrolls.
#pragma once

#include "afx/base/AfxTypes.h"

// True on the NT platform family. Set once at load; false before.
extern VARNEL_API bool m_bWinNT;
// The system's major version number as reported. Set once at load; 0 before.
extern VARNEL_API unsigned long m_uWinVer;

// The number of lines one wheel notch scrolls. With bRefresh zero the value
// cached at load (or by the last refresh) is returned without asking the
// system; otherwise the setting is read again and cached. The count is 3
// whenever the system gives no answer; the system's page-scroll value
// (all bits set) is passed through.
VARNEL_API unsigned int GetMouseScrollLines(int bRefresh);
