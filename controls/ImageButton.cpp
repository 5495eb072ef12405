#include "controls/ImageButton.h"

#include "afx/gdi/AfxDC.h"

#include <commctrl.h>

using namespace varnel::controls;

IMPLEMENT_DYNAMIC(CImageButton, CButton)

BEGIN_MESSAGE_MAP(CImageButton, CButton)
  ON_MESSAGE(WM_DPICHANGED_BEFOREPARENT, OnDpiChangedBeforeParent)
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChangedAfterParent)
END_MESSAGE_MAP()

namespace {

// Resources are looked up by their 16-bit integer identifier; the upper
// bits of nIDResource are ignored rather than taken for a name's address.
LPCSTR ResourceId(UINT nIDResource) { return MAKEINTRESOURCEA(nIDResource & 0xFFFF); }

// A bitmap resource with at most one colour of its colour table replaced,
// copied to cx x cy; null when either step fails.
HBITMAP LoadMappedBitmap(HINSTANCE hInstance, UINT nIDResource, COLORMAP map, int nMaps, int cx,
                         int cy) {
  HBITMAP hMapped = ::CreateMappedBitmap(hInstance, nIDResource & 0xFFFF, 0, &map, nMaps);
  if (hMapped == nullptr) return nullptr;
  // The copy frees the intermediate bitmap when it succeeds.
  HANDLE hCopy = ::CopyImage(hMapped, IMAGE_BITMAP, cx, cy, LR_COPYDELETEORG);
  if (hCopy == nullptr && ::GetObjectType(hMapped) == OBJ_BITMAP) ::DeleteObject(hMapped);
  return static_cast<HBITMAP>(hCopy);
}

}  // namespace

CImageButton::CImageButton() = default;

CImageButton::~CImageButton() {
  ReplaceIcon(nullptr);
  ReplaceBitmap(m_hBitmap, nullptr);
  ReplaceBitmap(m_hBitmapDisabled, nullptr);
}

int CImageButton::HasImage() { return m_hIcon != nullptr || m_hBitmap != nullptr ? 1 : 0; }

// ---- images --------------------------------------------------------------------------

int CImageButton::SetIcon(UINT nIDResource, int cx, int cy) {
  const LPCSTR lpszName = ResourceId(nIDResource);
  const HINSTANCE hInstance = AfxFindResourceHandle(lpszName, RT_GROUP_ICON);
  ReplaceIcon(static_cast<HICON>(::LoadImageA(hInstance, lpszName, IMAGE_ICON, cx, cy, 0)));
  // A failure leaves no icon; a bitmap set earlier stays and shows.
  if (m_hIcon == nullptr) return 0;
  m_sizeImage = CSize(cx, cy);
  m_imageSource = ImageSource::Icon;
  m_nIDImage = nIDResource;
  ReplaceBitmap(m_hBitmap, nullptr);  // the disabled copy stays held
  Redraw();
  return 1;
}

int CImageButton::SetBitmap(UINT nIDResource, int cx, int cy) {
  return SetBitmapCommon(nIDResource, cx, cy, 0, 0);
}

int CImageButton::SetMaskedBitmap(UINT nIDResource, int cx, int cy, COLORREF crMask) {
  return SetBitmapCommon(nIDResource, cx, cy, crMask, 1);
}

int CImageButton::SetBitmapCommon(UINT nIDResource, int cx, int cy, COLORREF crMask,
                                  int bMasked) {
  const HINSTANCE hInstance = AfxFindResourceHandle(ResourceId(nIDResource), RT_BITMAP);
  const int nMaps = bMasked != 0 ? 1 : 0;
  // The enabled copy shows the mask colour as the face; the disabled copy
  // turns it white, which the embossed drawing treats as background.
  COLORMAP map = {crMask, ::GetSysColor(COLOR_BTNFACE)};
  ReplaceBitmap(m_hBitmap, LoadMappedBitmap(hInstance, nIDResource, map, nMaps, cx, cy));
  map.to = RGB(255, 255, 255);
  ReplaceBitmap(m_hBitmapDisabled,
                LoadMappedBitmap(hInstance, nIDResource, map, nMaps, cx, cy));
  if (m_hBitmap == nullptr || m_hBitmapDisabled == nullptr) return 0;
  m_sizeImage = CSize(cx, cy);
  m_imageSource = bMasked != 0 ? ImageSource::MaskedBitmap : ImageSource::Bitmap;
  m_nIDImage = nIDResource;
  m_crImageMask = crMask;
  ReplaceIcon(nullptr);
  Redraw();
  return 1;
}

void CImageButton::ReplaceIcon(HICON hIcon) {
  if (m_hIcon != nullptr && m_hIcon != hIcon) ::DestroyIcon(m_hIcon);
  m_hIcon = hIcon;
}

void CImageButton::ReplaceBitmap(HBITMAP& hField, HBITMAP hBitmap) {
  if (hField != nullptr && hField != hBitmap) ::DeleteObject(hField);
  hField = hBitmap;
}

// ---- look and layout -----------------------------------------------------------------

void CImageButton::SetColorTab(COLORREF cr) {
  m_bColorTab = true;
  m_crTab = cr;
  Redraw();
}

int CImageButton::SetDefaultButton(int bDefault) {
  const int bPrevious = m_bDefault;
  if (m_hWnd != nullptr) {
    if (CWnd* pOwner = GetOwner()) {
      pOwner->SendMessage(DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID()), 0);
    }
  }
  m_bDefault = bDefault;
  Redraw();
  return bPrevious;
}

int CImageButton::SetImageOffset(int n) {
  const int nPrevious = m_nImageOffset;
  m_nImageOffset = n;
  m_bAutoPos = 1;
  Redraw();
  return nPrevious;
}

int CImageButton::SetTextOffset(int n) {
  const int nPrevious = m_nTextOffset;
  m_nTextOffset = n;
  m_bAutoPos = 1;
  Redraw();
  return nPrevious;
}

CPoint CImageButton::SetImagePos(CPoint pt) {
  const CPoint ptPrevious = m_ptImage;
  m_ptImage = pt;
  m_bAutoPos = 0;
  Redraw();
  return ptPrevious;
}

CPoint CImageButton::SetTextPos(CPoint pt) {
  const CPoint ptPrevious = m_ptText;
  m_ptText = pt;
  m_bAutoPos = 0;
  Redraw();
  return ptPrevious;
}

void CImageButton::Redraw() {
  if (m_hWnd != nullptr) InvalidateRect(nullptr, TRUE);
}

varnel::controls::ImageButtonLayout CImageButton::Layout() const {
  return ImageButtonLayout{m_bAutoPos != 0, m_ptImage,     m_ptText,
                           m_nImageOffset,  m_nTextOffset, m_sizeImage};
}

// ---- drawing ---------------------------------------------------------------------------

void CImageButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  const UINT nState = lpDIS->itemState;
  const bool bPressed = (nState & ODS_SELECTED) != 0;
  const int shift = bPressed ? 1 : 0;
  const bool bDisabled = (nState & ODS_DISABLED) != 0;
  const UINT nStateFlag = bDisabled ? DSS_DISABLED : 0;
  const bool bFocusOnly = lpDIS->itemAction == ODA_FOCUS;

  CRect rc(lpDIS->rcItem);
  if (m_bDefault != 0) rc.DeflateRect(1, 1);

  if (!bFocusOnly) {
    if (m_bDefault != 0) DrawDefaultFrame(pDC, lpDIS->rcItem);
    CRect rcFace(rc);
    pDC->DrawFrameControl(&rcFace, DFC_BUTTON, DFCS_BUTTONPUSH | (bPressed ? DFCS_PUSHED : 0));
    if (m_bColorTab) DrawColorTab(pDC, rc, shift);
    CString caption;
    GetWindowText(caption);
    CRect rcClient;
    GetClientRect(&rcClient);
    const CSize client = rcClient.Size();
    if (HasImage() != 0) {
      DrawImage(pDC, rc, client, !caption.IsEmpty(), shift, nStateFlag,
                bDisabled ? m_hBitmapDisabled : m_hBitmap);
    }
    if (!caption.IsEmpty()) DrawCaption(pDC, caption, client, shift, nStateFlag);
  }

  if (DrawsFocusRectangle((nState & ODS_FOCUS) != 0, (m_nLastState & ODS_FOCUS) != 0, bDisabled,
                          bFocusOnly)) {
    const RECT rcFocus = FocusRectangle(rc);
    pDC->DrawFocusRect(&rcFocus);
  }
  m_nLastAction = lpDIS->itemAction;
  m_nLastState = nState;
}

// A black outline over the whole item; the face drawn next, one pixel
// inside, leaves only the outline showing.
void CImageButton::DrawDefaultFrame(CDC* pDC, const RECT& rcItem) {
  CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
  pDC->Rectangle(&rcItem);
  pDC->SelectObject(pOldPen);
}

void CImageButton::DrawColorTab(CDC* pDC, const RECT& rc, int shift) {
  CPen pen;
  if (!pen.CreatePen(PS_SOLID, 1, m_crTab)) return;
  CPen* pOldPen = pDC->SelectObject(&pen);
  ColorTabRow rows[kColorTabRows];
  ColorTabRows(rc, shift, rows);
  for (const ColorTabRow& row : rows) {
    pDC->MoveTo(row.xFrom, row.y);
    pDC->LineTo(row.xTo, row.y);  // the end point stays undrawn
  }
  pDC->SelectObject(pOldPen);
}

// The icon wins over a bitmap; hBitmap is the copy for the current state.
void CImageButton::DrawImage(CDC* pDC, const RECT& rc, SIZE client, bool bHasCaption, int shift,
                             UINT nStateFlag, HBITMAP hBitmap) {
  const CPoint pt = ImagePosition(Layout(), rc, client, bHasCaption, shift);
  if (m_hIcon != nullptr) {
    pDC->DrawState(pt, m_sizeImage, m_hIcon, nStateFlag);
  } else {
    pDC->DrawState(pt, m_sizeImage, hBitmap, nStateFlag);
  }
}

// In the font, colour and background mode the context came with; an
// ampersand underlines the next character.
void CImageButton::DrawCaption(CDC* pDC, const CString& caption, SIZE client, int shift,
                               UINT nStateFlag) {
  const CSize extent = pDC->GetTextExtent(caption);
  const CPoint pt = CaptionPosition(Layout(), client, HasImage() != 0, extent, shift);
  pDC->DrawState(pt, CSize(0, 0), static_cast<LPCSTR>(caption), nStateFlag, TRUE, 0,
                 static_cast<HBRUSH>(nullptr));
}
