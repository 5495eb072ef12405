// stdafx.h : include file for standard system include files,
//  or project specific include files that are used frequently, but
//      are changed infrequently
//

#if !defined(AFX_STDAFX_H__7D3C2A08_5B1E_4C2F_9A61_3E0F2B9C4D11__INCLUDED_)
#define AFX_STDAFX_H__7D3C2A08_5B1E_4C2F_9A61_3E0F2B9C4D11__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

#define VC_EXTRALEAN		// Exclude rarely-used stuff from Windows headers

#include "Varnel.h"         // the framework's core and standard components

//{{AFX_INSERT_LOCATION}}
// Microsoft Visual C++ will insert additional declarations immediately before the previous line.

#endif // !defined(AFX_STDAFX_H__7D3C2A08_5B1E_4C2F_9A61_3E0F2B9C4D11__INCLUDED_)
