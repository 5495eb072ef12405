// Dialog data exchange: CDataExchange carries the direction and the dialog
// through a DoDataExchange; the DDX_ functions move one control's value;
// Fail reports a refused entry by putting the focus back on the control
// being exchanged and throwing CUserException, which UpdateData turns into
// FALSE. Message boxes and the framework's prompts live here too.
#pragma once

#include "afx/AfxException.h"
#include "afx/AfxRes.h"
#include "afx/AfxWin.h"

class VARNEL_API CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: from the controls to the data
  CWnd* m_pDlgWnd;          // the dialog (or any parent) whose items are exchanged
  HWND m_hWndLastControl = nullptr;
  BOOL m_bEditLastControl = FALSE;

  // Registers dialog item nIDC as the control being exchanged, so that
  // Fail returns the focus to it; returns its handle (null if none).
  HWND PrepareCtrl(int nIDC);
  // The same for an edit field, whose text Fail also selects.
  HWND PrepareEditCtrl(int nIDC);
  // Focus back to the prepared control, then throws CUserException.
  [[noreturn]] void Fail();

  CDataExchange(const CDataExchange&) = delete;
  CDataExchange& operator=(const CDataExchange&) = delete;
};

// Attaches rControl to dialog item nIDC (subclassing it) unless it is
// attached already.
VARNEL_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// An item's window text to and from a string.
VARNEL_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// Shows a message box through the application's DoMessageBox.
VARNEL_API int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with a string resource; an nIDHelp of (UINT)-1 means nIDPrompt.
VARNEL_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// A string resource: the application's first, then the framework's own.
VARNEL_API BOOL AfxLoadString(UINT nID, CString& rString);
// String nIDS with %1 (and %2) replaced by the inserts.
VARNEL_API void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1);
VARNEL_API void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2);
// The replacement itself, on a given format text.
VARNEL_API CString AfxFormatStrings(LPCSTR lpszFormat, const LPCSTR* rglpsz, int nString);
