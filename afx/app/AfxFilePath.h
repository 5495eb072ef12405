// Paths of system files, for the framework's file code (not exported).
#pragma once

#include "afx/base/AfxString.h"

// The full path of a file name (the name itself when it has none).
CString AfxFullPath(LPCSTR lpszFileName);
// The folder of a full path, with its trailing separator.
CString AfxFolderOf(const CString& strFullPath);
