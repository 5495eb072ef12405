// Path names as text, for what the framework shows of a file: its name in
// a title, and a shortened path in the recent-file menu. Both '\' and '/'
// separate folders (as on Windows).
#pragma once

#include "afx/base/AfxString.h"

// The name of the file a path names, with its extension: what follows the
// last separator (or a drive's colon).
VARNEL_API CString AfxPathFileName(const CString& strPath);

// A path shortened to at most nMaxLength characters by putting "..." in
// place of folders after its root ("C:\" or "\\server\share\"), keeping as
// many of its last folders as fit: "C:\...\Plans\Sign.wzd". When not even
// the root, "...\" and the name fit, the name alone (which may still be
// longer than nMaxLength).
VARNEL_API CString AfxAbbreviatePath(const CString& strPath, int nMaxLength);
