// Dialog data exchange: CDataExchange carries the direction and the dialog
// through a DoDataExchange; the DDX_ functions move one control's value;
// Fail reports a refused entry by putting the focus back on the control
// being exchanged and throwing CUserException, which UpdateData turns into
// FALSE. The prompts go through AfxMessageBox (afx/app/AfxApp.h).
#pragma once

#include "afx/base/AfxException.h"
#include "afx/app/AfxRes.h"
#include "afx/wnd/AfxWin.h"

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

// A refused entry being told and the focus taken back to it. A focus
// change inside one is the program's doing, not the user leaving a control:
// a control that commits its entry when it loses the focus commits nothing
// while one is open. Fail takes the focus back inside one; a DDX function
// may open one around its own prompt. They nest.
class VARNEL_API CRefusalScope {
 public:
  CRefusalScope();
  ~CRefusalScope();
  static bool IsOpen();

  CRefusalScope(const CRefusalScope&) = delete;
  CRefusalScope& operator=(const CRefusalScope&) = delete;

 private:
  static int s_nOpen;  // the user-interface thread's; dialogs live on one thread
};

// Attaches rControl to dialog item nIDC (subclassing it) unless it is
// attached already.
VARNEL_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// An item's window text to and from a string.
VARNEL_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// An edit field's text to and from a number (AfxDataExchangeNumbers.cpp).
// Whole numbers are shown in decimal; floats and doubles with FLT_DIG and
// DBL_DIG significant digits ("%.*g") and the locale's decimal separator.
// Saving reads the whole text (white space around the number allowed, see
// afx/base/AfxNumberText.h). Text that is no number shows "Please enter an
// integer." or "Please enter a number."; a number the type cannot hold
// shows the range prompt with the type's limits; either fails the exchange
// with the focus on the field and the variable unchanged.
VARNEL_API void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
VARNEL_API void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
VARNEL_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
VARNEL_API void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
VARNEL_API void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
VARNEL_API void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
VARNEL_API void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
VARNEL_API void DDX_Text(CDataExchange* pDX, int nIDC, double& value);

// Range tests of the value just exchanged, called after its DDX_Text: when
// saving, a value outside [minVal, maxVal] shows "Please enter an integer
// (a number) between %1 and %2." and fails the exchange with the focus on
// that field. When loading they do nothing.
VARNEL_API void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
VARNEL_API void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
VARNEL_API void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
VARNEL_API void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
VARNEL_API void DDV_MinMaxDWord(CDataExchange* pDX, DWORD const& value, DWORD minVal,
                                DWORD maxVal);
VARNEL_API void DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal,
                                float maxVal);
VARNEL_API void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal,
                                 double maxVal);
// Saving: a text longer than nChars shows "Enter no more than %1
// characters." and fails. Loading: limits the field just exchanged (an
// edit field or a combo box) to nChars, so that typing stops there.
VARNEL_API void DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars);

// Buttons, combo boxes and list boxes (AfxDataExchangeChoices.cpp).
// A check box's state: 0 unchecked, 1 checked, 2 indeterminate; another
// value loads as unchecked.
VARNEL_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// A group of radio buttons, nIDC its first (the group runs up to the next
// control with WS_GROUP): the index of the checked one, -1 when none is.
VARNEL_API void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// The index of the selected item, -1 for none.
VARNEL_API void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
VARNEL_API void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
// The text of a combo box (its edit field's, or the selected item's for a
// drop-down list) or of a list box's selected item; empty when a list has
// none. Loading selects the item equal to the value (ignoring case). A
// combo box with an edit field then shows the value as it is, never
// completed to a longer item; in a list with no equal item, the first item
// that begins with the value is selected (the ...Exact forms leave the
// selection alone instead).
VARNEL_API void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
VARNEL_API void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
VARNEL_API void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
VARNEL_API void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value);
