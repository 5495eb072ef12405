#include "afx/ui/AfxToolBar.h"

#include "afx/app/AfxApp.h"

#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace {

// A separator's width, in pixels.
constexpr int kSeparatorWidth = 8;

// What a TOOLBAR resource holds: the image size and the buttons' commands
// (0 for a separator). Microsoft's resource compiler writes 16-bit values
// after a version word of 1; GNU windres writes 32-bit values without the
// version. The resource's size tells them apart.
struct ToolBarResource {
  int cxImage = 0;
  int cyImage = 0;
  std::vector<UINT> ids;
};

bool ReadToolBar(const BYTE* pData, DWORD nSize, ToolBarResource* pToolBar) {
  const auto word = [&](DWORD i) { return static_cast<UINT>(pData[2 * i] | pData[2 * i + 1] << 8); };
  const auto dword = [&](DWORD i) { return word(2 * i) | word(2 * i + 1) << 16; };
  if (nSize >= 8 && word(0) == 1 && nSize == 8 + 2 * word(3)) {
    pToolBar->cxImage = static_cast<int>(word(1));
    pToolBar->cyImage = static_cast<int>(word(2));
    for (DWORD i = 0; i < word(3); ++i) pToolBar->ids.push_back(word(4 + i));
    return true;
  }
  if (nSize >= 12 && nSize == 12 + 4 * static_cast<uint64_t>(dword(2))) {
    pToolBar->cxImage = static_cast<int>(dword(0));
    pToolBar->cyImage = static_cast<int>(dword(1));
    for (DWORD i = 0; i < dword(2); ++i) pToolBar->ids.push_back(dword(3 + i));
    return true;
  }
  return false;
}

// Enables, checks and greys one button.
class CToolCmdUI : public CCmdUI {
 public:
  void Enable(BOOL bOn) override {
    m_bEnableChanged = TRUE;
    auto* pBar = static_cast<CToolBar*>(m_pOther);
    const UINT nOld = pBar->GetButtonStyle(static_cast<int>(m_nIndex));
    UINT nNew = nOld & ~static_cast<UINT>(TBBS_DISABLED);
    if (!bOn) nNew = (nNew | TBBS_DISABLED) & ~static_cast<UINT>(TBBS_PRESSED);
    if (nNew != nOld) pBar->SetButtonStyle(static_cast<int>(m_nIndex), nNew);
  }
  // 1 checked, 2 indeterminate; a button that is checked becomes a check box.
  void SetCheck(int nCheck) override {
    auto* pBar = static_cast<CToolBar*>(m_pOther);
    const UINT nOld = pBar->GetButtonStyle(static_cast<int>(m_nIndex));
    UINT nNew = (nOld & ~static_cast<UINT>(TBBS_CHECKED | TBBS_INDETERMINATE)) | TBBS_CHECKBOX;
    if (nCheck == 1) nNew |= TBBS_CHECKED;
    if (nCheck == 2) nNew |= TBBS_INDETERMINATE;
    if (nNew != nOld) pBar->SetButtonStyle(static_cast<int>(m_nIndex), nNew);
  }
  void SetText(LPCSTR) override {}  // buttons show images only
};

}  // namespace

CToolBar::CToolBar() : m_sizeButton(23, 22), m_sizeImage(16, 15) {}

CToolBar::~CToolBar() {
  // The control draws from the bitmap until its window is gone.
  if (m_hWnd != nullptr) DestroyWindow();
  if (m_hbmImageWell != nullptr) ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 2, 0, 2), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID) {
  if (pParentWnd == nullptr) return FALSE;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  SetBorders(&rcBorders);
  // The control always has a tooltip: whether it shows anything is the
  // bar style's CBRS_TOOLTIPS, which a host may set after creation. The
  // frame places and sizes the bar.
  const DWORD dwWindowStyle = TakeBarStyle(dwStyle) | dwCtrlStyle | TBSTYLE_TOOLTIPS |
                              CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | WS_CHILD;
  if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWindowStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)))) {
    return FALSE;
  }
  SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  SetSizes(m_sizeButton, m_sizeImage);
  if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->RecalcLayout();
  return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
  m_sizeButton = sizeButton;
  m_sizeImage = sizeImage;
  if (m_hWnd == nullptr) return;
  SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(sizeImage.cx, sizeImage.cy));
  SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(sizeButton.cx, sizeButton.cy));
}

void CToolBar::SetHeight(int cyHeight) {
  m_cyBottomBorder = cyHeight - m_sizeButton.cy - m_cyTopBorder;
  if (m_cyBottomBorder < 0) m_cyBottomBorder = 0;
}

BOOL CToolBar::LoadToolBar(LPCSTR lpszResourceName) {
  const HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
  const HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR);
  const HGLOBAL hGlobal = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
  const auto* pData = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
  ToolBarResource toolBar;
  if (pData == nullptr || !ReadToolBar(pData, ::SizeofResource(hInst, hResource), &toolBar)) {
    return FALSE;
  }
  SetSizes(CSize(toolBar.cxImage + 7, toolBar.cyImage + 7), CSize(toolBar.cxImage, toolBar.cyImage));
  if (!LoadBitmap(lpszResourceName)) return FALSE;
  return SetButtons(toolBar.ids.data(), static_cast<int>(toolBar.ids.size()));
}

BOOL CToolBar::LoadBitmap(LPCSTR lpszResourceName) {
  const HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  HBITMAP hbm = nullptr;
  if (IS_INTRESOURCE(lpszResourceName)) {
    // Black, dark grey, light grey and white become the system's button
    // text, shadow, face and highlight colours.
    hbm = ::CreateMappedBitmap(hInst, reinterpret_cast<INT_PTR>(lpszResourceName), 0, nullptr, 0);
  } else {
    hbm = static_cast<HBITMAP>(
        ::LoadImageA(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
  }
  return hbm != nullptr && SetBitmap(hbm);
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell) {
  BITMAP bm = {};
  if (m_hWnd == nullptr || ::GetObjectA(hbmImageWell, sizeof bm, &bm) == 0) return FALSE;
  const int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
  BOOL bOk = FALSE;
  if (!m_bImagesAdded) {
    TBADDBITMAP add = {nullptr, reinterpret_cast<UINT_PTR>(hbmImageWell)};
    bOk = SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nImages), reinterpret_cast<LPARAM>(&add)) != -1;
  } else {
    TBREPLACEBITMAP replace = {nullptr, reinterpret_cast<UINT_PTR>(m_hbmImageWell), nullptr,
                               reinterpret_cast<UINT_PTR>(hbmImageWell), nImages};
    bOk = SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace)) != 0;
  }
  if (!bOk) return FALSE;
  if (m_hbmImageWell != nullptr && m_hbmImageWell != hbmImageWell) ::DeleteObject(m_hbmImageWell);
  m_hbmImageWell = hbmImageWell;
  m_bImagesAdded = true;
  Invalidate();
  return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
  if (m_hWnd == nullptr || nIDCount < 0) return FALSE;
  for (int i = m_nCount - 1; i >= 0; --i) SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(i));
  std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount));
  int iImage = 0;
  for (int i = 0; i < nIDCount; ++i) {
    TBBUTTON& b = buttons[static_cast<size_t>(i)];
    b = TBBUTTON{};
    const UINT nID = lpIDArray != nullptr ? lpIDArray[i] : ID_SEPARATOR;
    if (nID == ID_SEPARATOR) {
      b.iBitmap = kSeparatorWidth;
      b.fsStyle = TBSTYLE_SEP;
    } else {
      b.iBitmap = iImage++;
      b.idCommand = static_cast<int>(nID);
      b.fsStyle = TBSTYLE_BUTTON;
      b.fsState = TBSTATE_ENABLED;
    }
  }
  m_nCount = nIDCount;
  if (nIDCount > 0 &&
      !SendMessage(TB_ADDBUTTONSA, static_cast<WPARAM>(nIDCount),
                   reinterpret_cast<LPARAM>(buttons.data()))) {
    m_nCount = 0;
    return FALSE;
  }
  if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->RecalcLayout();
  return TRUE;
}

bool CToolBar::GetButton(int nIndex, TBBUTTON* pButton) const {
  *pButton = TBBUTTON{};
  return nIndex >= 0 && nIndex < m_nCount &&
         ::SendMessageA(m_hWnd, TB_GETBUTTON, static_cast<WPARAM>(nIndex),
                        reinterpret_cast<LPARAM>(pButton)) != 0;
}

void CToolBar::SetButton(int nIndex, const TBBUTTON& button) {
  TBBUTTON old;
  if (!GetButton(nIndex, &old)) return;
  if ((old.fsStyle & TBSTYLE_SEP) != (button.fsStyle & TBSTYLE_SEP)) {
    // A separator's width sits where a button's image index does: the
    // control takes such a change only as a new button.
    SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
    SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    if (CFrameWnd* pFrame = GetDockingFrame()) pFrame->RecalcLayout();
    return;
  }
  TBBUTTONINFOA info = {};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_BYINDEX | TBIF_STATE | TBIF_STYLE | TBIF_COMMAND | TBIF_IMAGE;
  info.idCommand = button.idCommand;
  info.iImage = button.iBitmap;
  info.fsState = button.fsState;
  info.fsStyle = button.fsStyle;
  SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

int CToolBar::CommandToIndex(UINT nIDFind) const {
  for (int i = 0; i < m_nCount; ++i) {
    if (GetItemID(i) == nIDFind) return i;
  }
  return -1;
}

UINT CToolBar::GetItemID(int nIndex) const {
  TBBUTTON b;
  if (!GetButton(nIndex, &b) || (b.fsStyle & TBSTYLE_SEP) != 0) return ID_SEPARATOR;
  return static_cast<UINT>(b.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  *lpRect = RECT{0, 0, 0, 0};
  ::SendMessageA(m_hWnd, TB_GETITEMRECT, static_cast<WPARAM>(nIndex),
                 reinterpret_cast<LPARAM>(lpRect));
}

UINT CToolBar::GetButtonStyle(int nIndex) const {
  TBBUTTON b;
  if (!GetButton(nIndex, &b)) return 0;
  return MAKELONG(b.fsStyle, b.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
  TBBUTTON b;
  if (!GetButton(nIndex, &b)) return;
  b.fsStyle = static_cast<BYTE>(LOWORD(nStyle));
  b.fsState = static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED);
  SetButton(nIndex, b);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
  TBBUTTON b;
  GetButton(nIndex, &b);
  nID = (b.fsStyle & TBSTYLE_SEP) != 0 ? ID_SEPARATOR : static_cast<UINT>(b.idCommand);
  nStyle = MAKELONG(b.fsStyle, b.fsState ^ TBSTATE_ENABLED);
  iImage = b.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
  TBBUTTON b = {};
  b.idCommand = static_cast<int>(nID);
  b.fsStyle = static_cast<BYTE>(LOWORD(nStyle));
  b.fsState = static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED);
  b.iBitmap = iImage;  // a separator's width
  SetButton(nIndex, b);
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  // The buttons' extent as the control lays them out, with the same space
  // after the last one as before the first.
  CRect rcFirst(0, 0, m_sizeButton.cx, m_sizeButton.cy), rcLast(rcFirst);
  if (m_nCount > 0) {
    GetItemRect(0, &rcFirst);
    GetItemRect(m_nCount - 1, &rcLast);
  }
  return Stretched(CSize(rcLast.right + rcFirst.left + m_cxLeftBorder + m_cxRightBorder,
                         rcFirst.bottom + rcFirst.top + m_cyTopBorder + m_cyBottomBorder),
                   bStretch, bHorz);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  CToolCmdUI state;
  state.m_pOther = this;
  state.m_nIndexMax = static_cast<UINT>(m_nCount);
  for (int i = 0; i < m_nCount; ++i) {
    TBBUTTON b;
    if (!GetButton(i, &b) || (b.fsStyle & TBSTYLE_SEP) != 0) continue;
    state.m_nIndex = static_cast<UINT>(i);
    state.m_nID = static_cast<UINT>(b.idCommand);
    state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
}

// ---- tooltips and prompts -------------------------------------------------------------

void CToolBar::FillToolTip(NMHDR* pHeader) {
  // The tool's ID is the button's command.
  CString tip;
  if ((m_dwStyle & CBRS_TOOLTIPS) != 0 && AfxLoadString(static_cast<UINT>(pHeader->idFrom), tip)) {
    const int nNewline = tip.Find('\n');
    tip = nNewline >= 0 ? tip.Mid(nNewline + 1) : CString();
  }
  ::lstrcpynA(m_szTip, tip, static_cast<int>(sizeof m_szTip));
  if (pHeader->code == TTN_GETDISPINFOA) {
    auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pHeader);
    pInfo->hinst = nullptr;
    pInfo->lpszText = m_szTip;
  } else {
    auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pHeader);
    ::MultiByteToWideChar(CP_ACP, 0, m_szTip, -1, m_wszTip, static_cast<int>(sizeof m_wszTip / sizeof m_wszTip[0]));
    pInfo->hinst = nullptr;
    pInfo->lpszText = m_wszTip;
  }
}

UINT CToolBar::CommandAt(POINT point) const {
  const int nIndex = static_cast<int>(
      ::SendMessageA(m_hWnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
  return nIndex >= 0 ? GetItemID(nIndex) : 0;
}

void CToolBar::TrackPrompt(UINT nID) {
  if (nID == m_nPromptID) return;
  m_nPromptID = nID;
  ShowPrompt(nID);
  if (nID != 0) {
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
  }
}

LRESULT CToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: {
      auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
      if (pHeader->code == TTN_GETDISPINFOA || pHeader->code == TTN_GETDISPINFOW) {
        FillToolTip(pHeader);
        return 0;
      }
      break;
    }
    case WM_MOUSEMOVE:
      if ((m_dwStyle & CBRS_FLYBY) != 0) {
        TrackPrompt(CommandAt(afx_detail::PointFromLParam(lParam)));
      }
      break;
    case WM_LBUTTONDOWN:
      if ((m_dwStyle & CBRS_FLYBY) == 0) {
        TrackPrompt(CommandAt(afx_detail::PointFromLParam(lParam)));
      }
      break;
    case WM_LBUTTONUP:
      if ((m_dwStyle & CBRS_FLYBY) == 0) {
        const LRESULT result = CControlBar::WindowProc(message, wParam, lParam);
        TrackPrompt(0);
        return result;
      }
      break;
    case WM_MOUSELEAVE:
      TrackPrompt(0);
      break;
    default:
      break;
  }
  return CControlBar::WindowProc(message, wParam, lParam);
}
