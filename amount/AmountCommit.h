// The window-side steps that the amount edit control and the amount combo
// box take alike when an entry is committed: refusing it with the
// framework's prompt, telling the dialog, deciding whether leaving the
// field commits, and running the exchange for one control.
#pragma once

#include "afx/ui/AfxDataExchange.h"
#include "amount/AmountFields.h"

// Sent to the dialog and then to the control: a commit stored a changed
// amount (lParam 0), or the user picked one from a history list (lParam 1).
#define WM_AMOUNTCHANGED (WM_USER + 100)
// Sent to the dialog and then to the control before a refused commit's
// message box.
#define WM_AMOUNTINVALID (WM_USER + 101)

// Bit 30 of a WM_KEYDOWN's lParam: the key was down already (a repeat).
constexpr LPARAM kRepeatedKeyDown = LPARAM{1} << 30;

// Sends message (wParam nIDC) to the dialog, then to the control.
VARNEL_API void NotifyAmount(CWnd* pDialog, CWnd& control, UINT message, int nIDC,
                             LPARAM lParam);

// Tells the user the text is no number, then fails the exchange.
[[noreturn]] VARNEL_API void FailUnreadableAmount(CDataExchange* pDX);

// The prompt naming the limits of the amount's kind, as display text.
VARNEL_API CString AmountRangePrompt(const CAmountFields& fields, unsigned int uUnits);
// Shows a range prompt, then fails the exchange.
[[noreturn]] VARNEL_API void FailAmountOutOfRange(CDataExchange* pDX, const CString& prompt);

// Whether leaving a modified field for pFocus commits it: only towards
// another window of the same dialog that is not its Cancel button.
VARNEL_API bool CommitsOnFocusTo(CWnd& control, CWnd* pFocus);

// The start of both controls' exchanges: attaches the control to dialog
// item nIDC and registers it as the item exchanged; in the load direction
// shows the stored amount. True when that was all (the load direction).
template <class Control>
bool LoadAmountExchange(CDataExchange* pDX, int nIDC, Control& rControl) {
  DDX_Control(pDX, nIDC, rControl);
  pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) return false;
  CString text;
  rControl.FormatAmount(rControl.GetAmount(), rControl.GetUnits(), text, false);
  rControl.SetWindowText(text);
  return true;
}

// Commits a control now: runs its exchange in the save direction with the
// control's parent as the dialog. A refusal (the framework's user
// exception) puts the focus back on the control and gives false; nothing
// else is caught. A control without a window or without a parent has no
// dialog to commit to: false, and nothing changes.
template <class Control>
bool CloseAmountExchange(Control& control, void (*exchange)(CDataExchange*, int, Control&)) {
  CWnd* pDialog = control.IsWindow() ? control.GetParent() : nullptr;
  if (pDialog == nullptr) return false;
  CDataExchange dx(pDialog, TRUE);
  try {
    exchange(&dx, control.GetDlgCtrlID(), control);
  } catch (CUserException* e) {
    e->Delete();
    control.SetFocus();
    return false;
  }
  return true;
}
