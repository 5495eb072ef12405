// A dialog resource's initialisation data (DLGINIT): the strings of its
// combo and list boxes, which the resource editor keeps apart from the
// template. The data is a list of records, each an item ID (WORD), the
// 16-bit message that adds the string (WORD: 0x0401 for a list box,
// 0x0403 for a combo box), the length of the data (DWORD) and the string
// itself with its terminating zero, packed without alignment; an ID of 0
// ends the list.
#include "afx/app/AfxDiag.h"
#include "afx/wnd/AfxWin.h"

#include <cstring>
#include <string>

namespace {

constexpr WORD kDlgInitType = 240;  // RT_DLGINIT
constexpr WORD kListBoxAddString16 = 0x0401;
constexpr WORD kComboBoxAddString16 = 0x0403;

// The Win32 message of a record's 16-bit one; 0 for those the framework
// does not carry out (an ActiveX control's data, say).
UINT AddStringMessage(WORD nMsg) {
  switch (nMsg) {
    case kListBoxAddString16:
    case LB_ADDSTRING:
      return LB_ADDSTRING;
    case kComboBoxAddString16:
    case CB_ADDSTRING:
      return CB_ADDSTRING;
    default:
      return 0;
  }
}

template <class T>
T ReadUnaligned(const BYTE* p) {
  T value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

}  // namespace

BOOL CWnd::ExecuteDlgInit(LPCSTR lpszResourceName) {
  if (lpszResourceName == nullptr) return TRUE;
  const LPCSTR lpszType = MAKEINTRESOURCEA(kDlgInitType);
  const HINSTANCE hInstance = AfxFindResourceHandle(lpszResourceName, lpszType);
  const HRSRC hResource = ::FindResourceA(hInstance, lpszResourceName, lpszType);
  if (hResource == nullptr) return TRUE;  // a dialog without lists to fill
  const HGLOBAL hData = ::LoadResource(hInstance, hResource);
  return hData == nullptr || ExecuteDlgInit(::LockResource(hData));
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource) {
  if (lpResource == nullptr) return TRUE;
  BOOL bResult = TRUE;
  for (auto p = static_cast<const BYTE*>(lpResource);;) {
    const WORD nIDC = ReadUnaligned<WORD>(p);
    if (nIDC == 0) break;
    const WORD nMsg = ReadUnaligned<WORD>(p + sizeof(WORD));
    const DWORD dwLen = ReadUnaligned<DWORD>(p + 2 * sizeof(WORD));
    const auto* pData = reinterpret_cast<const char*>(p + 2 * sizeof(WORD) + sizeof(DWORD));
    p += 2 * sizeof(WORD) + sizeof(DWORD) + dwLen;
    const UINT message = AddStringMessage(nMsg);
    if (message == 0) continue;
    // The length counts the terminating zero; a string without one ends
    // with the record all the same.
    const std::string text(pData, ::strnlen(pData, dwLen));
    const HWND hWndItem = ::GetDlgItem(m_hWnd, nIDC);
    if (hWndItem == nullptr ||
        ::SendMessageA(hWndItem, message, 0, reinterpret_cast<LPARAM>(text.c_str())) < 0) {
      // The resource names an item the dialog lacks (or one that cannot
      // take strings): the others are filled all the same.
      AfxTrace("Warning: dialog initialisation data for item %d not carried out.\n", nIDC);
      bResult = FALSE;
    }
  }
  return bResult;
}
