#include "afx/gdi/AfxImageList.h"

#include "afx/gdi/AfxDC.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Attach(HIMAGELIST hImageList) {
  if (hImageList == nullptr) return FALSE;
  DeleteImageList();
  m_hImageList = hImageList;
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST hImageList = m_hImageList;
  m_hImageList = nullptr;
  return hImageList;
}

BOOL CImageList::DeleteImageList() {
  if (m_hImageList == nullptr) return FALSE;
  return ::ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
  return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

int CImageList::GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
  if (pbmImage == nullptr) return -1;
  return ::ImageList_AddMasked(m_hImageList, *pbmImage, crMask);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
  if (pbmImage == nullptr) return -1;
  return ::ImageList_Add(m_hImageList, *pbmImage,
                         pbmMask != nullptr ? static_cast<HBITMAP>(*pbmMask) : nullptr);
}

int CImageList::Add(HICON hIcon) { return ::ImageList_AddIcon(m_hImageList, hIcon); }

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
  if (pDC == nullptr) return FALSE;
  return ::ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
