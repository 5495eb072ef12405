// CDocument: its views, its name and title, and closing it.
#include "afx/ui/AfxDoc.h"

#include "afx/app/AfxApp.h"
#include "afx/ui/AfxView.h"
#include "afx/base/AfxPathText.h"
#include "afx/ui/AfxDocTemplate.h"

#include <algorithm>

namespace {

// Positions in the view list are its indexes plus one (null ends it).
POSITION PositionOf(size_t nIndex) {
  return reinterpret_cast<POSITION>(static_cast<uintptr_t>(nIndex + 1));
}

size_t IndexOf(POSITION pos) { return static_cast<size_t>(reinterpret_cast<uintptr_t>(pos)) - 1; }

}  // namespace

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
  ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
  ON_COMMAND(ID_FILE_SAVE, OnFileSave)
  ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::~CDocument() {
  // Views still listed would point at a deleted document.
  for (CView* pView : m_viewList) pView->m_pDocument = nullptr;
  if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR lpszTitle) {
  m_strTitle = lpszTitle;
  UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU) {
  char szPath[MAX_PATH];
  const DWORD nLength = ::GetFullPathNameA(lpszPathName, MAX_PATH, szPath, nullptr);
  m_strPathName = nLength > 0 && nLength < MAX_PATH ? szPath : lpszPathName;
  SetTitle(AfxPathFileName(m_strPathName));
  CWinApp* pApp = AfxGetApp();
  if (bAddToMRU && pApp != nullptr) pApp->AddToRecentFileList(m_strPathName);
}

// ---- views -----------------------------------------------------------------------------

void CDocument::AddView(CView* pView) {
  if (std::find(m_viewList.begin(), m_viewList.end(), pView) != m_viewList.end()) return;
  m_viewList.push_back(pView);
  pView->m_pDocument = this;
  OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
  const auto it = std::find(m_viewList.begin(), m_viewList.end(), pView);
  if (it == m_viewList.end()) return;
  m_viewList.erase(it);
  pView->m_pDocument = nullptr;
  OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const {
  return m_viewList.empty() ? nullptr : PositionOf(0);
}

CView* CDocument::GetNextView(POSITION& rPosition) const {
  const size_t nIndex = IndexOf(rPosition);
  if (nIndex >= m_viewList.size()) {
    rPosition = nullptr;
    return nullptr;
  }
  rPosition = nIndex + 1 < m_viewList.size() ? PositionOf(nIndex + 1) : nullptr;
  return m_viewList[nIndex];
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
  // A view's update may make or close others: walk a copy.
  const std::vector<CView*> views = m_viewList;
  for (CView* pView : views) {
    if (pView != pSender) pView->OnUpdate(pSender, lHint, pHint);
  }
}

void CDocument::OnChangedViewList() {
  if (m_viewList.empty() && m_bAutoDelete) {
    OnCloseDocument();
    return;
  }
  UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts() {
  std::vector<CFrameWnd*> frames;
  for (CView* pView : m_viewList) {
    CFrameWnd* pFrame = pView->GetParentFrame();
    if (pFrame != nullptr && std::find(frames.begin(), frames.end(), pFrame) == frames.end()) {
      frames.push_back(pFrame);
    }
  }
  for (CFrameWnd* pFrame : frames) pFrame->OnUpdateFrameTitle(TRUE);
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return m_pDocTemplate != nullptr &&
         m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- new and close ---------------------------------------------------------------------

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.Empty();
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::OnCloseDocument() {
  // Destroying the frames destroys the views, which leave the list; the
  // document must outlive that.
  const BOOL bAutoDelete = m_bAutoDelete;
  m_bAutoDelete = FALSE;
  while (!m_viewList.empty()) {
    CView* pView = m_viewList.front();
    CFrameWnd* pFrame = pView->GetParentFrame();
    if (pFrame != nullptr) {
      PreCloseFrame(pFrame);
      pFrame->DestroyWindow();
    } else {
      pView->DestroyWindow();
    }
    // A view that outlived its window would keep the loop going.
    if (!m_viewList.empty() && m_viewList.front() == pView) RemoveView(pView);
  }
  m_bAutoDelete = bAutoDelete;
  DeleteContents();
  if (m_bAutoDelete) delete this;
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::CanCloseFrame(CFrameWnd*) { return SaveModified(); }

BOOL CDocument::SaveModified() {
  if (!IsModified()) return TRUE;
  CString strName = m_strPathName.IsEmpty() ? m_strTitle : AfxPathFileName(m_strPathName);
  if (strName.IsEmpty()) AfxLoadString(AFX_IDS_UNTITLED, strName);
  CString strPrompt;
  AfxFormatString1(strPrompt, AFX_IDP_ASK_TO_SAVE, strName);
  switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
      return FALSE;
    case IDYES:
      return DoFileSave();
    case IDNO:
      return TRUE;
    default:
      return FALSE;  // a box closed some other way changes nothing
  }
}

void CDocument::OnFileClose() {
  if (!SaveModified()) return;
  OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }
