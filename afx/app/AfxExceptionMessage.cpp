// The framework's exceptions told to the user: each one's message from the
// standard strings (afx/res/afxres.rc), and ReportError, which shows it.
#include "afx/app/AfxApp.h"
#include "afx/app/AfxRes.h"
#include "afx/base/AfxArchive.h"
#include "afx/base/AfxFile.h"

#include <algorithm>
#include <cstring>

namespace {

// The string for a file's or an archive's cause: they follow the causes'
// order from nFirstID.
UINT CauseMessageID(UINT nFirstID, int nCause, int nLastCause, UINT nGenericID) {
  return nCause >= 0 && nCause <= nLastCause ? nFirstID + static_cast<UINT>(nCause) : nGenericID;
}

CString FileNameForMessage(const CString& strFileName) {
  CString strName = strFileName;
  if (strName.IsEmpty()) AfxLoadString(AFX_IDS_UNNAMED_FILE, strName);
  return strName;
}

}  // namespace

BOOL CException::CopyErrorMessage(UINT nID, LPCSTR lpszInsert, LPSTR lpszError, UINT nMaxError) {
  CString strText;
  AfxFormatString1(strText, nID, lpszInsert);
  if (lpszError != nullptr && nMaxError > 0) {
    const size_t nCopy = std::min<size_t>(static_cast<size_t>(strText.GetLength()), nMaxError - 1);
    std::memcpy(lpszError, static_cast<LPCSTR>(strText), nCopy);
    lpszError[nCopy] = '\0';
  }
  return strText.IsEmpty() ? FALSE : TRUE;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError != nullptr && nMaxError > 0) *lpszError = '\0';
  return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID) {
  char szMessage[512];
  if (GetErrorMessage(szMessage, sizeof szMessage)) return AfxMessageBox(szMessage, nType);
  return AfxMessageBox(nMessageID != 0 ? nMessageID : AFX_IDP_NO_ERROR_AVAILABLE, nType);
}

#define AFX_FIXED_ERROR_MESSAGE(class_name, nID)                                       \
  BOOL class_name::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) \
      const {                                                                          \
    if (pnHelpContext != nullptr) *pnHelpContext = 0;                                  \
    return CopyErrorMessage(nID, nullptr, lpszError, nMaxError);                       \
  }

AFX_FIXED_ERROR_MESSAGE(CUserException, AFX_IDS_USER_EXCEPTION)
AFX_FIXED_ERROR_MESSAGE(CResourceException, AFX_IDS_RESOURCE_EXCEPTION)
AFX_FIXED_ERROR_MESSAGE(CNotSupportedException, AFX_IDS_NOT_SUPPORTED_EXCEPTION)
AFX_FIXED_ERROR_MESSAGE(CMemoryException, AFX_IDS_MEMORY_EXCEPTION)

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  const UINT nID = CauseMessageID(AFX_IDP_FILE_NONE, m_cause, endOfFile, AFX_IDP_FILE_GENERIC);
  if (pnHelpContext != nullptr) *pnHelpContext = nID;
  return CopyErrorMessage(nID, FileNameForMessage(m_strFileName), lpszError, nMaxError);
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  const UINT nID = CauseMessageID(AFX_IDP_ARCH_NONE, m_cause, badSchema, AFX_IDP_ARCH_GENERIC);
  if (pnHelpContext != nullptr) *pnHelpContext = nID;
  return CopyErrorMessage(nID, FileNameForMessage(m_strFileName), lpszError, nMaxError);
}
