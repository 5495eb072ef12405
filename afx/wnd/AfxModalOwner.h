// Inside the library: the owner of a modal window, disabled while the
// modal window runs, as with the system's own modal dialogs.
#pragma once

#include "afx/wnd/AfxWin.h"

class AfxModalOwner {
 public:
  // The top-level window of pParent; without one, the active window or the
  // application's main window.
  explicit AfxModalOwner(CWnd* pParent);
  // Enables the owner again and gives it back the activation when hWndModal
  // has it.
  void Restore(HWND hWndModal);
  ~AfxModalOwner();

  HWND m_hWnd = nullptr;

  AfxModalOwner(const AfxModalOwner&) = delete;
  AfxModalOwner& operator=(const AfxModalOwner&) = delete;

 private:
  bool m_bEnable = false;
};
