#include "afx/base/AfxException.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)

void CException::Delete() { delete this; }

void AfxThrowUserException() { throw new CUserException; }

void AfxThrowResourceException() { throw new CResourceException; }
