// Inside the framework only: what its own window files share. Not part of
// the library's interface (neither Varnel.h nor the installed headers
// bring it).
#pragma once

#include "afx/wnd/AfxWin.h"

#include <vector>

// The calling thread's temporary objects FromHandle hands out for windows
// that have none of their own. They never subclass, so dropping one only
// forgets its handle.
std::vector<CWnd*>& AfxTempWndObjects();
// Frees them (AfxDeleteTempMap frees these and the other temporary objects).
void AfxDeleteTempWnds();
// The window objects attached to windows, of every thread.
int AfxPermanentWndCount();

// The temporary object of class T (whose run-time class is pClass) for
// hWnd, made on first request.
template <class T>
T* AfxTempWnd(HWND hWnd, const CRuntimeClass* pClass) {
  std::vector<CWnd*>& objects = AfxTempWndObjects();
  for (CWnd* pWnd : objects) {
    if (pWnd->m_hWnd == hWnd && pWnd->GetRuntimeClass() == pClass) {
      return static_cast<T*>(pWnd);
    }
  }
  T* pNew = new T;
  pNew->m_hWnd = hWnd;
  objects.push_back(pNew);
  return pNew;
}

// The result a message gets when its handler threw: creation fails, a
// paint is done with (or it would come back at once), anything else 0.
LRESULT AfxResultAfterException(const MSG& msg);

// The message the window procedure is handling, for CWnd::Default.
const MSG& AfxLastSentMessage();

// The calling thread's window whose control notifications are held back
// while UpdateData exchanges its data (null when none).
HWND& AfxLockoutNotifyWindow();

// Whether the calling thread is showing a prompt about an exception.
bool& AfxReportingException();

// Fetches one message (waiting for it) and handles it through the calling
// thread's object (PumpMessage), or as that would without one. FALSE on
// WM_QUIT.
BOOL AfxPumpThreadMessage();
