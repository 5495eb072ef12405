// CFrameWnd on a monitor of another density.
#include "afx/ui/AfxFrame.h"

// The suggested rectangle keeps the frame as large to the eye on the new
// monitor as on the old one.
LRESULT CFrameWnd::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  AfxBeginDpiChange(this, HIWORD(wParam));
  if (const auto* pRect = reinterpret_cast<const RECT*>(lParam)) {
    SetWindowPos(nullptr, pRect->left, pRect->top, pRect->right - pRect->left,
                 pRect->bottom - pRect->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  AfxEndDpiChange(this);
  return 0;
}
