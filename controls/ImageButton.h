// CImageButton: an owner-drawn push button with an icon or a bitmap beside
// (or instead of) its caption, a one-pixel shift when pressed, an embossed
// image when disabled, an optional black frame marking the dialog's default
// button, an optional coloured triangle in the top-left corner, and the
// focus rectangle.
//
// The host gives the button the BS_OWNERDRAW style itself and loads the
// image from its resources. When its top-level window moves to a monitor of
// another density, the button lays itself out again: offsets, positions
// and the image's size scale with the density, and the image is loaded
// again at its new size. The button owns the icon and bitmaps it holds:
// one replaced by a later image setter, or dropped by a failed SetIcon, is
// released at once, and the rest when the button is destroyed.
#pragma once

#include "afx/ui/AfxControls.h"
#include "afx/wnd/AfxDpi.h"
#include "afx/base/AfxGeometry.h"
#include "controls/ImageButtonLayout.h"

class VARNEL_API CImageButton : public CButton {
  DECLARE_DYNAMIC(CImageButton)

 public:
  CImageButton();
  ~CImageButton() override;

  // 1 when an icon or an enabled-state bitmap is set, else 0.
  int HasImage();

  // Each loads an image resource at cx x cy (0 keeps the resource's own
  // size when drawn, but the layout counts it as 0) and returns 1, or 0
  // when it cannot be loaded. An icon replaces a bitmap and the other way
  // round. A masked bitmap shows crMask in the button-face colour.
  int SetIcon(UINT nIDResource, int cx, int cy);
  int SetBitmap(UINT nIDResource, int cx, int cy);
  int SetMaskedBitmap(UINT nIDResource, int cx, int cy, COLORREF crMask);

  // Shows a small triangle of colour cr in the top-left corner from now on.
  void SetColorTab(COLORREF cr);
  // Makes this button the owner dialog's default (DM_SETDEFID with this
  // button's ID, whatever bDefault is) and sets whether it draws the
  // default frame. Returns the previous frame flag.
  int SetDefaultButton(int bDefault);

  // Layout: the offsets choose automatic layout, the positions explicit
  // layout (a component of -1 centres), for image and caption together:
  // the last of the four calls decides. Each returns the previous value.
  int SetImageOffset(int n);
  int SetTextOffset(int n);
  CPoint SetImagePos(CPoint pt);
  CPoint SetTextPos(CPoint pt);

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

 protected:
  int m_bAutoPos = 1;
  // Explicit positions start centred, for a host that sets only one.
  CPoint m_ptImage{-1, -1};
  CPoint m_ptText{-1, -1};
  int m_nImageOffset = 4;
  int m_nTextOffset = 8;
  HICON m_hIcon = nullptr;
  HBITMAP m_hBitmap = nullptr;
  HBITMAP m_hBitmapDisabled = nullptr;
  CSize m_sizeImage{0, 0};
  bool m_bColorTab = false;
  COLORREF m_crTab = 0;
  int m_bDefault = 0;
  UINT m_nLastAction = 0;
  UINT m_nLastState = 0;

  afx_msg LRESULT OnDpiChangedBeforeParent(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  int SetBitmapCommon(UINT nIDResource, int cx, int cy, COLORREF crMask, int bMasked);
  void Redraw();
  void ReplaceIcon(HICON hIcon);
  void ReplaceBitmap(HBITMAP& hField, HBITMAP hBitmap);
  varnel::controls::ImageButtonLayout Layout() const;
  // Loads the image last set again at the layout's image size.
  void ReloadImage();
  void DrawDefaultFrame(CDC* pDC, const RECT& rcItem);
  void DrawColorTab(CDC* pDC, const RECT& rc, int shift);
  void DrawImage(CDC* pDC, const RECT& rc, SIZE client, bool bHasCaption, int shift,
                 UINT nStateFlag, HBITMAP hBitmap);
  void DrawCaption(CDC* pDC, const CString& caption, SIZE client, int shift, UINT nStateFlag);

  // Where the image came from, to load it again at another density.
  enum class ImageSource { None, Icon, Bitmap, MaskedBitmap };
  ImageSource m_imageSource = ImageSource::None;
  UINT m_nIDImage = 0;
  COLORREF m_crImageMask = 0;
  CDpiChange m_dpiChange;
};
