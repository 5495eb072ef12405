// CWinApp's document members: its templates, File New and Open, the
// recent files, the command line's command, and the end of the program.
#include "afx/app/AfxApp.h"
#include "afx/app/AfxRecentFileList.h"
#include "afx/base/AfxCommandLine.h"
#include "afx/ui/AfxCmdUI.h"
#include "afx/ui/AfxDocTemplate.h"
#include "afx/ui/AfxFileDialog.h"
#include "afx/ui/AfxFrame.h"
#include "afx/ui/AfxView.h"

namespace {

// Positions in the template list are its indexes plus one (null ends it).
POSITION TemplatePosition(size_t nIndex) {
  return reinterpret_cast<POSITION>(static_cast<uintptr_t>(nIndex + 1));
}

CString FullPath(LPCSTR lpszFileName) {
  char szPath[MAX_PATH];
  const DWORD nLength = ::GetFullPathNameA(lpszFileName, MAX_PATH, szPath, nullptr);
  return nLength > 0 && nLength < MAX_PATH ? CString(szPath) : CString(lpszFileName);
}

// "Wizard Files (*.wzd)|*.wzd|" for a template with a filter; its default
// extension (without the dot) the first time one is found.
void AppendFilter(CString& strFilter, CString& strDefExt, const CDocTemplate* pTemplate) {
  CString strName;
  CString strExt;
  if (!pTemplate->GetDocString(strName, CDocTemplate::filterName) ||
      !pTemplate->GetDocString(strExt, CDocTemplate::filterExt)) {
    return;
  }
  if (strDefExt.IsEmpty()) {
    const int nSemicolon = strExt.Find(';');
    strDefExt = (nSemicolon >= 0 ? strExt.Left(nSemicolon) : strExt).Mid(1);
  }
  // ".wzd;.wz2" filters as "*.wzd;*.wz2".
  CString strPattern;
  for (int nStart = 0; nStart < strExt.GetLength();) {
    int nEnd = strExt.Find(';', nStart);
    if (nEnd < 0) nEnd = strExt.GetLength();
    if (!strPattern.IsEmpty()) strPattern += ';';
    strPattern += '*';
    strPattern += strExt.Mid(nStart, nEnd - nStart);
    nStart = nEnd + 1;
  }
  strFilter += strName + "|" + strPattern + "|";
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
  ON_COMMAND(ID_APP_EXIT, OnAppExit)
  ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
  ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

// ---- templates -------------------------------------------------------------------------

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
  pTemplate->LoadTemplate();
  m_templateList.push_back(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const {
  return m_templateList.empty() ? nullptr : TemplatePosition(0);
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPosition) const {
  const size_t nIndex = static_cast<size_t>(reinterpret_cast<uintptr_t>(rPosition)) - 1;
  if (nIndex >= m_templateList.size()) {
    rPosition = nullptr;
    return nullptr;
  }
  rPosition = nIndex + 1 < m_templateList.size() ? TemplatePosition(nIndex + 1) : nullptr;
  return static_cast<CDocTemplate*>(m_templateList[nIndex]);
}

BOOL CWinApp::SaveAllModified() {
  for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
    if (!GetNextDocTemplate(pos)->SaveAllModified()) return FALSE;
  }
  return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
  for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
    GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
  }
}

int CWinApp::GetOpenDocumentCount() const {
  int nCount = 0;
  for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
    const CDocTemplate* pTemplate = GetNextDocTemplate(pos);
    for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != nullptr; ++nCount) {
      pTemplate->GetNextDoc(posDoc);
    }
  }
  return nCount;
}

// ---- New and Open ------------------------------------------------------------------------

void CWinApp::OnFileNew() {
  // A program of several templates would let the user choose; the first
  // one makes the new document.
  POSITION pos = GetFirstDocTemplatePosition();
  if (pos == nullptr) return;
  GetNextDocTemplate(pos)->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
  CString strFileName;
  if (!DoPromptFileName(strFileName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE,
                        nullptr)) {
    return;
  }
  OpenDocumentFile(strFileName);
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName) {
  if (lpszFileName == nullptr || *lpszFileName == '\0') return nullptr;
  const CString strPath = FullPath(lpszFileName);
  CDocTemplate* pBestTemplate = nullptr;
  CDocument* pOpenDocument = nullptr;
  CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
  for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
    CDocTemplate* pTemplate = GetNextDocTemplate(pos);
    CDocument* pMatch = nullptr;
    const CDocTemplate::Confidence match = pTemplate->MatchDocType(strPath, pMatch);
    if (match > bestMatch) {
      bestMatch = match;
      pBestTemplate = pTemplate;
      pOpenDocument = pMatch;
    }
  }
  if (bestMatch == CDocTemplate::yesAlreadyOpen && pOpenDocument != nullptr) {
    // The file is open: its frame comes forward, nothing is read again.
    POSITION pos = pOpenDocument->GetFirstViewPosition();
    CView* pView = pos != nullptr ? pOpenDocument->GetNextView(pos) : nullptr;
    CFrameWnd* pFrame = pView != nullptr ? pView->GetParentFrame() : nullptr;
    if (pFrame != nullptr) pFrame->ActivateFrame();
    return pOpenDocument;
  }
  if (pBestTemplate == nullptr) return nullptr;
  return pBestTemplate->OpenDocumentFile(strPath);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                               BOOL bOpenFileDialog, CDocTemplate* pTemplate) {
  CString strFilter;
  CString strDefExt;
  if (pTemplate != nullptr) {
    AppendFilter(strFilter, strDefExt, pTemplate);
  } else {
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
      AppendFilter(strFilter, strDefExt, GetNextDocTemplate(pos));
    }
  }
  CString strAll;
  AfxLoadString(AFX_IDS_ALLFILTER, strAll);
  strFilter += strAll + "|*.*||";

  CFileDialog dlg(bOpenFileDialog, strDefExt.IsEmpty() ? nullptr : static_cast<LPCSTR>(strDefExt),
                  fileName, lFlags | OFN_OVERWRITEPROMPT, strFilter);
  CString strTitle;
  AfxLoadString(nIDSTitle, strTitle);
  dlg.m_ofn.lpstrTitle = strTitle;
  if (dlg.DoModal() != IDOK) return FALSE;
  fileName = dlg.GetPathName();
  return TRUE;
}

// ---- recent files --------------------------------------------------------------------------

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
  if (m_pRecentFileList == nullptr) {
    pCmdUI->Enable(FALSE);
    return;
  }
  m_pRecentFileList->UpdateMenu(pCmdUI);
}

// A file that is gone leaves the list after the user is told; one that
// could not be opened for another reason (or whose opening the user
// cancelled at "Save changes?") stays.
BOOL CWinApp::OnOpenRecentFile(UINT nID) {
  if (m_pRecentFileList == nullptr) return FALSE;
  const int nIndex = static_cast<int>(nID - ID_FILE_MRU_FILE1);
  if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize()) return FALSE;
  const CString strPath = (*m_pRecentFileList)[nIndex];
  if (strPath.IsEmpty()) return FALSE;
  if (OpenDocumentFile(strPath) == nullptr) {
    const DWORD dwError = ::GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES
                              ? ::GetLastError()
                              : ERROR_SUCCESS;
    if (dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND) {
      m_pRecentFileList->Remove(nIndex);
    }
  }
  return TRUE;
}

// ---- the command line and the end -----------------------------------------------------

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
  switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
      // Through the host's map when it has File New there.
      if (!OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr)) OnFileNew();
      return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
      // Printed without being shown, then the program ends.
      m_nCmdShow = SW_HIDE;
      if (OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr && m_pMainWnd != nullptr) {
        m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
      }
      return FALSE;
    case CCommandLineInfo::AppUnregister:
      return FALSE;
    default:  // FileDDE, FileNothing
      return TRUE;
  }
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(WM_CLOSE);
}
