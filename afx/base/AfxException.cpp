#include "afx/base/AfxException.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CException)

void CException::Delete() {
  if (m_bAutoDelete) delete this;
}

// ---- the exception macros' blocks -------------------------------------------

namespace {

// The innermost TRY block of this thread.
thread_local CAfxCaughtException* t_pInnermost = nullptr;

}  // namespace

CAfxCaughtException::CAfxCaughtException() : m_pOuter(t_pInnermost) { t_pInnermost = this; }

CAfxCaughtException::~CAfxCaughtException() {
  t_pInnermost = m_pOuter;
  if (m_pException != nullptr) m_pException->Delete();
}

CException* CAfxCaughtException::Release(CException* e) {
  for (CAfxCaughtException* p = t_pInnermost; p != nullptr; p = p->m_pOuter) {
    if (p->m_pException == e) p->m_pException = nullptr;
  }
  return e;
}

void AfxThrowUserException() { throw new CUserException; }

void AfxThrowResourceException() { throw new CResourceException; }

void AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AfxThrowMemoryException() { throw new CMemoryException; }
