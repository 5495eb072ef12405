#include "amount/IsSibling.h"

#include "afx/ui/AfxPropertySheet.h"


bool IsSibling(CWnd* pWnd, CWnd* pOther) {
  CWnd* pParent = pWnd->GetParent();
  if (pParent == nullptr) return false;
  const bool bInside = pOther != nullptr && pParent->IsChild(pOther);
  if (!pParent->IsKindOf(RUNTIME_CLASS(CPropertyPage))) return bInside;
  if (bInside) return true;
  if (pOther == nullptr) return false;

  // The sheet's own controls sit beside the page, not inside it.
  CWnd* pSheet = pParent->GetParent();
  if (pSheet == nullptr) return false;
  for (CWnd* pChild = pSheet->GetWindow(GW_CHILD); pChild != nullptr;
       pChild = pChild->GetWindow(GW_HWNDNEXT)) {
    // Compared by handle: either may be a temporary object.
    if (pChild->m_hWnd == pOther->m_hWnd) return true;
  }
  return false;
}
