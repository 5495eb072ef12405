// Choices in dialogs: check boxes, radio groups, and the selection or text
// of combo boxes and list boxes.
#include "afx/ui/AfxDataExchange.h"

namespace {

LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return ::SendMessageA(hWnd, message, wParam, lParam);
}

bool IsRadioButton(HWND hWnd) {
  return (Send(hWnd, WM_GETDLGCODE) & DLGC_RADIOBUTTON) != 0;
}

bool HasEditField(HWND hWndCombo) {
  return (::GetWindowLongA(hWndCombo, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST;
}

// The messages that make a combo box and a list box alike.
struct ListMessages {
  UINT getCurSel, setCurSel, getTextLen, getText, findStringExact, selectString;
  LRESULT err;
};
constexpr ListMessages kComboMessages = {CB_GETCURSEL,       CB_SETCURSEL,   CB_GETLBTEXTLEN,
                                         CB_GETLBTEXT,       CB_FINDSTRINGEXACT,
                                         CB_SELECTSTRING,    CB_ERR};
constexpr ListMessages kListMessages = {LB_GETCURSEL,       LB_SETCURSEL,   LB_GETTEXTLEN,
                                        LB_GETTEXT,         LB_FINDSTRINGEXACT,
                                        LB_SELECTSTRING,    LB_ERR};

void ExchangeIndex(CDataExchange* pDX, int nIDC, int& index, const ListMessages& m) {
  const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    index = static_cast<int>(Send(hWndCtrl, m.getCurSel));
  } else {
    Send(hWndCtrl, m.setCurSel, static_cast<WPARAM>(index));
  }
}

CString SelectedText(HWND hWndCtrl, const ListMessages& m) {
  CString text;
  const WPARAM nIndex = static_cast<WPARAM>(Send(hWndCtrl, m.getCurSel));
  const LRESULT nLength = Send(hWndCtrl, m.getTextLen, nIndex);
  if (nLength == m.err) return text;
  Send(hWndCtrl, m.getText, nIndex,
       reinterpret_cast<LPARAM>(text.GetBuffer(static_cast<int>(nLength))));
  text.ReleaseBuffer();
  return text;
}

// Selects the item equal to value, else (bPrefix) the first beginning with
// it; the selection stays as it was when neither is there.
void SelectItem(HWND hWndCtrl, const CString& value, bool bPrefix, const ListMessages& m) {
  const LPARAM lpszValue = reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value));
  const LRESULT nIndex = Send(hWndCtrl, m.findStringExact, static_cast<WPARAM>(-1), lpszValue);
  if (nIndex != m.err) {
    Send(hWndCtrl, m.setCurSel, static_cast<WPARAM>(nIndex));
  } else if (bPrefix) {
    Send(hWndCtrl, m.selectString, static_cast<WPARAM>(-1), lpszValue);
  }
}

void ExchangeComboString(CDataExchange* pDX, int nIDC, CString& value, bool bPrefix) {
  const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (hWndCtrl == nullptr) return;
  const bool bEdit = HasEditField(hWndCtrl);
  if (pDX->m_bSaveAndValidate) {
    if (!bEdit) {
      value = SelectedText(hWndCtrl, kComboMessages);
      return;
    }
    const int nLength = ::GetWindowTextLengthA(hWndCtrl);
    ::GetWindowTextA(hWndCtrl, value.GetBuffer(nLength), nLength + 1);
    value.ReleaseBuffer();
  } else if (bEdit) {
    // The list follows an equal item, but the field shows the value as it
    // is: completing it to a longer item would change it on the next save.
    const LRESULT nIndex = Send(hWndCtrl, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value)));
    Send(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(nIndex));
    ::SetWindowTextA(hWndCtrl, value);
  } else {
    SelectItem(hWndCtrl, value, bPrefix, kComboMessages);
  }
}

void ExchangeListString(CDataExchange* pDX, int nIDC, CString& value, bool bPrefix) {
  const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (hWndCtrl == nullptr) return;
  if (pDX->m_bSaveAndValidate) {
    value = SelectedText(hWndCtrl, kListMessages);
  } else {
    SelectItem(hWndCtrl, value, bPrefix, kListMessages);
  }
}

}  // namespace

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int>(Send(hWndCtrl, BM_GETCHECK));
  } else {
    const bool bKnown = value >= BST_UNCHECKED && value <= BST_INDETERMINATE;
    Send(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(bKnown ? value : BST_UNCHECKED));
  }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (hWndCtrl == nullptr) return;
  if (pDX->m_bSaveAndValidate) value = -1;
  int iButton = 0;
  do {
    if (IsRadioButton(hWndCtrl)) {
      if (!pDX->m_bSaveAndValidate) {
        Send(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED);
      } else if (Send(hWndCtrl, BM_GETCHECK) == BST_CHECKED) {
        value = iButton;
      }
      ++iButton;
    }
    hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
  } while (hWndCtrl != nullptr && (::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP) == 0);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  ExchangeIndex(pDX, nIDC, index, kComboMessages);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
  ExchangeIndex(pDX, nIDC, index, kListMessages);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
  ExchangeComboString(pDX, nIDC, value, true);
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
  ExchangeComboString(pDX, nIDC, value, false);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
  ExchangeListString(pDX, nIDC, value, true);
}

void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
  ExchangeListString(pDX, nIDC, value, false);
}
