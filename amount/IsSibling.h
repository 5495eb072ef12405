// Whether a window that receives the focus belongs to the same dialog as
// an entry field: the amount controls commit on leaving the field only when
// the focus stays in their dialog.
#pragma once

#include "afx/wnd/AfxWin.h"

// True when pOther is a descendant of pWnd's parent; on a property page,
// also when pOther is a direct child of the sheet (its buttons and tab
// control). A null pOther is never a sibling.
VARNEL_API bool IsSibling(CWnd* pWnd, CWnd* pOther);
