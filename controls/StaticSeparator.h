// CStaticSeparator: a static control drawn as an etched line, horizontal
// with an optional caption set into it (a group heading) or vertical
// without one. The orientation follows the control's shape; the caption,
// its alignment (SS_LEFT, SS_CENTER, SS_RIGHT) and SS_NOPREFIX come from
// the control's text and styles, so a dialog template needs nothing else.
// It paints again when its window moves to a monitor of another density.
// Make the control one text line high: the caption is top-aligned and the
// line runs through the middle.
#pragma once

#include "afx/ui/AfxControls.h"

class VARNEL_API CStaticSeparator : public CStatic {
  DECLARE_DYNAMIC(CStaticSeparator)

 public:
  CStaticSeparator() = default;
  ~CStaticSeparator() override = default;

 protected:
  afx_msg void OnPaint();
  afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
