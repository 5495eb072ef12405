// The window-side steps that the amount edit control and the amount combo
// box take alike when an entry is committed: refusing it with the
// framework's prompt, telling the dialog, deciding whether leaving the
// field commits, and running the exchange for one control.
#pragma once

#include "afx/ui/AfxDataExchange.h"
#include "amount/AmountFields.h"

namespace varnel::amount {

// Sent to the dialog and then to the control: a commit stored a changed
// amount (lParam 0), or the user picked one from a history list (lParam 1).
#define WM_AMOUNTCHANGED (WM_USER + 100)
// Sent to the dialog and then to the control before a refused commit's
// message box.
#define WM_AMOUNTINVALID (WM_USER + 101)

// Posted to a control by its refusal on being left: the user's action that
// the refusal answered is over once it arrives.
#define WM_AMOUNTACTIONDONE (WM_USER + 102)

// Bit 30 of a WM_KEYDOWN's lParam: the key was down already (a repeat).
constexpr LPARAM kRepeatedKeyDown = LPARAM{1} << 30;

// Sends message (wParam nIDC) to the dialog, then to the control.
VARNEL_API void NotifyAmount(CWnd* pDialog, CWnd& control, UINT message, int nIDC,
                             LPARAM lParam);

// A refusal of control nIDC's entry, all inside one refusal scope: tells
// the dialog and then pInvalid (the control, when it sends WM_AMOUNTINVALID;
// null when it does not), shows the prompt, and fails the exchange, which
// puts the focus back on the control. The first tells the user the text is
// no number, the second shows a range prompt.
[[noreturn]] VARNEL_API void FailUnreadableAmount(CDataExchange* pDX, int nIDC, CWnd* pInvalid);
[[noreturn]] VARNEL_API void FailAmountOutOfRange(CDataExchange* pDX, int nIDC, CWnd* pInvalid,
                                                  const CString& prompt);

// The prompt naming the limits of the amount's kind, as display text.
VARNEL_API CString AmountRangePrompt(const CAmountFields& fields, unsigned int uUnits);

// Whether leaving a modified field for pFocus commits it: only when the
// user moves the focus (no refusal is being told: see CRefusalScope) to
// another window of the same dialog that is not its Cancel button.
VARNEL_API bool CommitsOnFocusTo(CWnd& control, CWnd* pFocus);

// Ends, once the message being handled is done, what a user's action began
// in hWnd: its mouse capture, and a button's press (released unpressed, it
// does not click).
VARNEL_API void CancelUserAction(HWND hWnd);

// The field refused on being left during the user's current action, until
// its WM_AMOUNTACTIONDONE arrives (EndRefusedAction).
VARNEL_API void NoteRefusedAction(HWND hWnd);
VARNEL_API bool IsRefusedAction(HWND hWnd);
VARNEL_API void EndRefusedAction(HWND hWnd);

// Both controls' kill-focus handling: a modified control that the user
// leaves for another window of its dialog commits. A refused commit takes
// the focus back and cancels the action in the window that got the focus:
// the click that left the field must not press OK (or tick a box) too,
// and OK would bring the dialog's own refusal of the same entry. An action
// that moves the focus twice (the dialog manager's mnemonic of a label
// focuses the label, then the control after it) meets the same refusal
// again: the focus comes back without a second prompt. One prompt for one
// user action.
template <class Control>
void CommitOnLeaving(Control& control) {
  CWnd* pFocus = CWnd::GetFocus();
  if (!control.GetModify() || !CommitsOnFocusTo(control, pFocus)) return;
  const HWND hWndFocus = pFocus->m_hWnd;
  if (IsRefusedAction(control.m_hWnd)) {
    const CRefusalScope refusal;
    control.SetFocus();
  } else if (control.CloseAmount()) {
    return;
  } else {
    NoteRefusedAction(control.m_hWnd);
  }
  CancelUserAction(hWndFocus);
}

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
    const CRefusalScope refusal;  // still the refusal's focus change
    control.SetFocus();
    return false;
  }
  return true;
}

}  // namespace varnel::amount
