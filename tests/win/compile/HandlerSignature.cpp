// Compiled by the suite, not run: a message-map entry whose handler has the
// wrong signature must not compile. Built with HANDLER_RIGHT defined, the
// same map compiles, so the failure is the signature's alone.
#include "Varnel.h"

class CSizingWnd : public CWnd {
 protected:
#if defined(HANDLER_RIGHT)
  afx_msg void OnSize(UINT nType, int cx, int cy);
#else
  afx_msg void OnSize(int cx, int cy);  // WM_SIZE handlers take (UINT, int, int)
#endif
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSizingWnd, CWnd)
  ON_WM_SIZE()
END_MESSAGE_MAP()
