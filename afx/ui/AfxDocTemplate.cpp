#include "afx/ui/AfxDocTemplate.h"

#include "afx/app/AfxApp.h"
#include "afx/ui/AfxView.h"
#include "afx/base/AfxPathText.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                           CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

void CDocTemplate::LoadTemplate() {
  if (m_strDocStrings.IsEmpty()) AfxLoadString(m_nIDResource, m_strDocStrings);
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const {
  rString.Empty();
  CString strAll = m_strDocStrings;
  if (strAll.IsEmpty()) AfxLoadString(m_nIDResource, strAll);
  int nStart = 0;
  for (int i = 0; i < index; ++i) {
    const int nNewline = strAll.Find('\n', nStart);
    if (nNewline < 0) return FALSE;
    nStart = nNewline + 1;
  }
  const int nEnd = strAll.Find('\n', nStart);
  rString = nEnd < 0 ? strAll.Mid(nStart) : strAll.Mid(nStart, nEnd - nStart);
  return !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = nullptr; }

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch) {
  rpDocMatch = nullptr;
  for (POSITION pos = GetFirstDocPosition(); pos != nullptr;) {
    CDocument* pDoc = GetNextDoc(pos);
    if (!pDoc->GetPathName().IsEmpty() &&
        ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, pDoc->GetPathName(), -1,
                         lpszPathName, -1) == CSTR_EQUAL) {
      rpDocMatch = pDoc;
      return yesAlreadyOpen;
    }
  }
  CString strExt;
  if (GetDocString(strExt, filterExt)) {
    const CString strName = AfxPathFileName(lpszPathName);
    const int nDot = strName.ReverseFind('.');
    if (nDot >= 0 && strName.Mid(nDot).CompareNoCase(strExt) == 0) return yesAttemptNative;
  }
  return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument() {
  if (m_pDocClass == nullptr || !m_pDocClass->IsDerivedFrom(RUNTIME_CLASS(CDocument))) {
    return nullptr;
  }
  auto* pDocument = static_cast<CDocument*>(m_pDocClass->CreateObject());
  if (pDocument != nullptr) AddDocument(pDocument);
  return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
  if (m_pFrameClass == nullptr || !m_pFrameClass->IsDerivedFrom(RUNTIME_CLASS(CFrameWnd))) {
    return nullptr;
  }
  CCreateContext context;
  context.m_pCurrentFrame = pOther;
  context.m_pCurrentDoc = pDoc;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pNewDocTemplate = this;
  auto* pFrame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
  if (pFrame == nullptr) return nullptr;
  // A frame whose window was made deletes itself when it goes, also when
  // its creation failed half way.
  if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr,
                         &context)) {
    return nullptr;
  }
  return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
  pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified() {
  for (POSITION pos = GetFirstDocPosition(); pos != nullptr;) {
    if (!GetNextDoc(pos)->SaveModified()) return FALSE;
  }
  return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
  // Each closed document leaves the template's list.
  for (POSITION pos = GetFirstDocPosition(); pos != nullptr; pos = GetFirstDocPosition()) {
    CDocument* pDoc = GetNextDoc(pos);
    const BOOL bAutoDelete = pDoc->m_bAutoDelete;
    pDoc->OnCloseDocument();
    // A document that is not deleted with its views stays the template's.
    if (!bAutoDelete) {
      RemoveDocument(pDoc);
      delete pDoc;
    }
  }
}

BOOL CDocTemplate::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- one document at a time -----------------------------------------------------------

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                       CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() {
  // A document still open no longer has a template to leave.
  if (m_pOnlyDoc != nullptr) CDocTemplate::RemoveDocument(m_pOnlyDoc);
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc) {
  CDocTemplate::AddDocument(pDoc);
  m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc) {
  CDocTemplate::RemoveDocument(pDoc);
  if (m_pOnlyDoc == pDoc) m_pOnlyDoc = nullptr;
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const {
  return m_pOnlyDoc != nullptr ? BEFORE_START_POSITION : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const {
  CDocument* pDoc = rPos == BEFORE_START_POSITION ? m_pOnlyDoc : nullptr;
  rPos = nullptr;
  return pDoc;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument) {
  CString strTitle;
  if (!GetDocString(strTitle, docName)) AfxLoadString(AFX_IDS_UNTITLED, strTitle);
  pDocument->SetTitle(strTitle);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible) {
  CDocument* pDocument = m_pOnlyDoc;
  CFrameWnd* pFrame = nullptr;
  const BOOL bCreated = pDocument == nullptr;
  if (!bCreated) {
    // The document is replaced: its changes are saved first, or dropped
    // when the user says so.
    if (!pDocument->SaveModified()) return nullptr;
    POSITION pos = pDocument->GetFirstViewPosition();
    CView* pView = pos != nullptr ? pDocument->GetNextView(pos) : nullptr;
    pFrame = pView != nullptr ? pView->GetParentFrame() : nullptr;
  } else {
    pDocument = CreateNewDocument();
    if (pDocument == nullptr) {
      AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
      return nullptr;
    }
  }
  if (pFrame == nullptr) {
    // A view that fails while the frame is made must not take the
    // document with it.
    const BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;
    pFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = bAutoDelete;
    if (pFrame == nullptr) {
      AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
      if (bCreated) delete pDocument;
      return nullptr;
    }
  }

  if (lpszPathName == nullptr) {
    SetDefaultTitle(pDocument);
    if (!bMakeVisible) pDocument->m_bEmbedded = TRUE;
    if (!pDocument->OnNewDocument()) {
      if (bCreated) pFrame->DestroyWindow();  // which deletes the document
      return nullptr;
    }
  } else {
    const BOOL bWasModified = pDocument->IsModified();
    pDocument->SetModifiedFlag(FALSE);
    if (!pDocument->OnOpenDocument(lpszPathName)) {
      // The user was told.
      if (bCreated) {
        pFrame->DestroyWindow();
      } else {
        RecoverFromFailedOpen(pDocument, bWasModified);
      }
      return nullptr;
    }
    pDocument->SetPathName(lpszPathName);
  }

  CWinApp* pApp = AfxGetApp();
  if (bCreated && pApp != nullptr && pApp->m_pMainWnd == nullptr) pApp->m_pMainWnd = pFrame;
  InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
  return pDocument;
}

void CSingleDocTemplate::RecoverFromFailedOpen(CDocument* pDocument, BOOL bWasModified) {
  if (!pDocument->IsModified()) {
    // The file was never read: the document is as it was.
    pDocument->SetModifiedFlag(bWasModified);
    return;
  }
  // Its contents went when the reading began: it starts again as a new
  // document, and its views start again with it.
  SetDefaultTitle(pDocument);
  pDocument->OnNewDocument();
  for (POSITION pos = pDocument->GetFirstViewPosition(); pos != nullptr;) {
    pDocument->GetNextView(pos)->OnInitialUpdate();
  }
}
