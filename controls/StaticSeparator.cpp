#include "controls/StaticSeparator.h"

#include "afx/wnd/AfxDpi.h"
#include "afx/wnd/AfxWindowDC.h"
#include "controls/SeparatorLayout.h"

using namespace varnel::controls;

static_assert(kSeparatorStyleCenter == SS_CENTER && kSeparatorStyleRight == SS_RIGHT &&
                  kSeparatorStyleNoPrefix == SS_NOPREFIX,
              "the separator reads the system's static styles");
static_assert(kSeparatorFormatCenter == DT_CENTER && kSeparatorFormatRight == DT_RIGHT &&
                  kSeparatorFormatNoPrefix == DT_NOPREFIX,
              "the separator's caption format is the system's text format");

IMPLEMENT_DYNAMIC(CStaticSeparator, CStatic)

BEGIN_MESSAGE_MAP(CStaticSeparator, CStatic)
  ON_WM_PAINT()
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChangedAfterParent)
END_MESSAGE_MAP()

// Its window has its new size and its font by now: painted again, the line
// and caption follow them.
LRESULT CStaticSeparator::OnDpiChangedAfterParent(WPARAM, LPARAM) {
  Invalidate();
  return 0;
}

void CStaticSeparator::OnPaint() {
  CPaintDC dc(this);
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  CRect rcClient;
  GetClientRect(&rcClient);

  // A dark edge and a light one side by side look cut into the face.
  const SeparatorLine line = SeparatorLineFor(rcWindow.Width(), rcWindow.Height());
  dc.Draw3dRect(line.x, line.y, line.cx, line.cy, ::GetSysColor(COLOR_BTNSHADOW),
                ::GetSysColor(COLOR_BTNHIGHLIGHT));
  if (line.bVertical) return;

  // The caption's opaque background blanks the line behind it and, through
  // the spacer, beside it.
  CString text;
  GetWindowText(text);
  const SeparatorCaption caption = SeparatorCaptionFor(text, GetStyle() & 0xFF);
  CFont* pFont = GetFont();
  CFont* pOldFont = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
  dc.SetBkColor(::GetSysColor(COLOR_BTNFACE));
  dc.DrawText(caption.text, &rcClient, caption.nFormat);
  if (pOldFont != nullptr) dc.SelectObject(pOldFont);
}
