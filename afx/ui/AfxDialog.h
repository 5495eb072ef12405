// Dialogs: CDialog, modal or modeless, from a dialog resource or from a
// template in memory (CDlgTemplate builds one). A modal dialog runs the
// framework's own message loop, so that PreTranslateMessage of its
// controls sees keystrokes before the dialog's keyboard handling does.
#pragma once

#include "afx/wnd/AfxDpi.h"
#include "afx/wnd/AfxWin.h"

#include <vector>

class VARNEL_API CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog() = default;
  explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Modal: DoModal creates the dialog, runs until EndDialog, destroys the
  // window and returns EndDialog's result (-1 when it could not be created).
  BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
  virtual int DoModal();

  // Modeless: the window lives until DestroyWindow. Without a parent the
  // application's main window owns it.
  BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);

  // Ends a modal dialog's loop with nResult; hides a modeless one.
  void EndDialog(int nResult);
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void SetDefID(UINT nID);
  DWORD GetDefID() const;
  // Dialog units to the dialog's pixels (its font's average character is
  // 4 units wide and 8 high).
  void MapDialogRect(LPRECT lpRect) const;

  // Loads the controls from the data (UpdateData(FALSE)); TRUE lets the
  // system focus the first control. When the loading fails the dialog ends
  // with -1.
  virtual BOOL OnInitDialog();
  // Keystrokes go through the dialog manager (Tab, Enter, Escape). In a
  // modeless dialog, a shortcut the dialog has no use for (with Ctrl or
  // Alt, or a function key; not an edit field's own Ctrl+C, Ctrl+V... nor
  // a mnemonic) goes first to the accelerators of the frame that owns it.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // A command the dialog's map does not handle (a menu or accelerator
  // command, or a button whose ID is a command's, 0x8000 to 0xEFFF) goes
  // on to the window that owns the dialog, along that window's route
  // (a frame's: its view, itself, the application); the application's when
  // the owner has no object. Control notifications stay with the dialog.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr,
                AFX_CMDHANDLERINFO* pHandlerInfo = nullptr) override;

  // Public so that a host's map can name them (ON_COMMAND(IDOK, CDialog::OnOK)).
  // IDOK: UpdateData(TRUE), and EndDialog(IDOK) when it succeeds.
  virtual void OnOK();
  // IDCANCEL: EndDialog(IDCANCEL).
  virtual void OnCancel();

 protected:
  // Fills the lists from the resource's DLGINIT data (ExecuteDlgInit),
  // then OnInitDialog.
  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  // On a monitor of another density: keeps it (AfxGetWindowDpi) and tells
  // the controls before and after the system's handling.
  afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

  // Creates the dialog window from a template and attaches it to this.
  BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent);
  LPCDLGTEMPLATE LoadTemplate() const;

  LPCSTR m_lpszTemplateName = nullptr;  // a resource name or MAKEINTRESOURCE ID
  LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
  CWnd* m_pParentWnd = nullptr;

  DECLARE_MESSAGE_MAP()
};

// The dialog procedure of every framework dialog: all work happens in the
// window procedure, so it leaves every message to the dialog manager.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Builds a dialog template in memory (classic DLGTEMPLATE, DS_SETFONT with
// 8-point "MS Shell Dlg"). Coordinates are dialog units. Get() stays valid
// until the builder changes or ends.
class VARNEL_API CDlgTemplate {
 public:
  CDlgTemplate(DWORD dwStyle, int x, int y, int cx, int cy, LPCSTR lpszCaption = "",
               DWORD dwExStyle = 0);
  // Adds a control of a window class given by name ("EDIT", "BUTTON",
  // "COMBOBOX", ...). WS_CHILD | WS_VISIBLE is added to dwStyle.
  void AddItem(LPCSTR lpszClass, DWORD dwStyle, int x, int y, int cx, int cy, WORD wID,
               LPCSTR lpszText = "", DWORD dwExStyle = 0);
  LPCDLGTEMPLATE Get() const;

 private:
  void AddDword(DWORD dw);
  void AddString(LPCSTR lpsz);
  void AlignDword();
  std::vector<WORD> m_words;
};
