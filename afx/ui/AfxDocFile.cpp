// CDocument: opening and saving its file, and telling the user when that
// fails.
#include "afx/ui/AfxDoc.h"

#include "afx/app/AfxApp.h"
#include "afx/app/AfxSafeSave.h"
#include "afx/base/AfxPathText.h"
#include "afx/ui/AfxDocTemplate.h"

#include <commdlg.h>

#include <new>

namespace {

// The prompt for a failure to open or save, by the exception's cause.
UINT PromptForException(CException* e, BOOL bSaving, UINT nIDPDefault) {
  if (e == nullptr) return nIDPDefault;
  if (e->IsKindOf(RUNTIME_CLASS(CMemoryException))) return AFX_IDP_FAILED_MEMORY_ALLOC;
  if (e->IsKindOf(RUNTIME_CLASS(CArchiveException))) {
    switch (static_cast<CArchiveException*>(e)->m_cause) {
      case CArchiveException::endOfFile:
      case CArchiveException::badIndex:
      case CArchiveException::badClass:
      case CArchiveException::badSchema:
        return AFX_IDP_FAILED_INVALID_FORMAT;
      default:
        return nIDPDefault;
    }
  }
  if (e->IsKindOf(RUNTIME_CLASS(CFileException))) {
    switch (static_cast<CFileException*>(e)->m_cause) {
      case CFileException::fileNotFound:
      case CFileException::badPath:
        return AFX_IDP_FAILED_INVALID_PATH;
      case CFileException::diskFull:
        return AFX_IDP_FAILED_DISK_FULL;
      case CFileException::accessDenied:
      case CFileException::sharingViolation:
      case CFileException::lockViolation:
        return bSaving ? AFX_IDP_FAILED_ACCESS_WRITE : AFX_IDP_FAILED_ACCESS_READ;
      case CFileException::hardIO:
        return bSaving ? AFX_IDP_FAILED_IO_ERROR_WRITE : AFX_IDP_FAILED_IO_ERROR_READ;
      case CFileException::endOfFile:
        return bSaving ? nIDPDefault : AFX_IDP_FAILED_INVALID_FORMAT;
      default:
        return nIDPDefault;
    }
  }
  return nIDPDefault;
}

// How a save or load failed: the framework's exception (the caller
// deletes it), or for an exception of another kind the prompt to show.
struct CFailure {
  bool bFailed = false;
  CException* pException = nullptr;
  UINT nIDPrompt = 0;
};

// Runs body; any exception becomes the failure it describes.
template <class Body>
CFailure RunGuarded(Body body, UINT nIDPDefault) {
  CFailure failure;
  try {
    body();
  } catch (CException* e) {
    failure = {true, e, nIDPDefault};
  } catch (const std::bad_alloc&) {
    failure = {true, nullptr, AFX_IDP_FAILED_MEMORY_ALLOC};
  } catch (...) {
    failure = {true, nullptr, nIDPDefault};
  }
  return failure;
}

// Serializes pDoc through an archive of nMode over pFile, then has the
// document release the file: closed when all went well (a save commits
// there), abandoned after a failure.
CFailure SerializeThroughFile(CDocument* pDoc, CFile* pFile, UINT nMode, LPCSTR lpszPathName,
                              UINT nIDPDefault) {
  CFile* pOpenFile = pFile;
  const CFailure failure = RunGuarded(
      [&] {
        {
          CArchive ar(pFile, nMode | CArchive::bNoFlushOnDelete);
          ar.m_pDocument = pDoc;
          ar.m_strFileName = lpszPathName;
          pDoc->Serialize(ar);
          ar.Close();
        }
        pOpenFile = nullptr;
        pDoc->ReleaseFile(pFile, FALSE);
      },
      nIDPDefault);
  if (failure.bFailed && pOpenFile != nullptr) pDoc->ReleaseFile(pOpenFile, TRUE);
  return failure;
}

}  // namespace

void CDocument::ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving,
                                        UINT nIDPDefault) {
  if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException))) return;  // told already
  const UINT nIDPrompt = PromptForException(e, bSaving, nIDPDefault);
  CString strName = lpszPathName != nullptr ? AfxPathFileName(lpszPathName) : CString();
  if (strName.IsEmpty()) AfxLoadString(AFX_IDS_UNNAMED_FILE, strName);
  CString strPrompt;
  AfxFormatString1(strPrompt, nIDPrompt, strName);
  AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPrompt);
}

CFile* CDocument::GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  CFile* pFile = (nOpenFlags & CFile::modeCreate) != 0 ? new CSafeSaveFile : new CFile;
  if (!pFile->Open(lpszFileName, nOpenFlags, pError)) {
    delete pFile;
    return nullptr;
  }
  return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort) {
  try {
    if (bAbort) {
      pFile->Abort();
    } else {
      pFile->Close();  // a save's commit: it may throw
    }
  } catch (...) {
    delete pFile;
    throw;
  }
  delete pFile;
}

// The document is read only after its file opened, so that a file that
// cannot be opened leaves it as it was; once reading began, a failure
// leaves it empty rather than half loaded.
BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName) {
  CFileException error;
  CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &error);
  if (pFile == nullptr) {
    ReportSaveLoadException(lpszPathName, &error, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
    return FALSE;
  }
  DeleteContents();
  SetModifiedFlag();  // from here on the old contents are gone
  const CFailure failure =
      SerializeThroughFile(this, pFile, CArchive::load, lpszPathName, AFX_IDP_FAILED_TO_OPEN_DOC);
  if (failure.bFailed) {
    DeleteContents();
    ReportSaveLoadException(lpszPathName, failure.pException, FALSE, failure.nIDPrompt);
    if (failure.pException != nullptr) failure.pException->Delete();
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

// The file saved into replaces lpszPathName only when complete and on the
// disk (GetFile gives a CSafeSaveFile, whose Close commits); a failure on
// the way abandons it and leaves lpszPathName as it was.
BOOL CDocument::OnSaveDocument(LPCSTR lpszPathName) {
  CFileException error;
  CFile* pFile = GetFile(lpszPathName,
                         CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &error);
  if (pFile == nullptr) {
    ReportSaveLoadException(lpszPathName, &error, TRUE, AFX_IDP_INVALID_FILENAME);
    return FALSE;
  }
  const CFailure failure =
      SerializeThroughFile(this, pFile, CArchive::store, lpszPathName, AFX_IDP_FAILED_TO_SAVE_DOC);
  if (failure.bFailed) {
    ReportSaveLoadException(lpszPathName, failure.pException, TRUE, failure.nIDPrompt);
    if (failure.pException != nullptr) failure.pException->Delete();
    return FALSE;  // still modified: the changes are not on the disk
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::DoSave(LPCSTR lpszPathName, BOOL bReplace) {
  CString strName = lpszPathName != nullptr ? lpszPathName : "";
  if (strName.IsEmpty()) {
    strName = m_strPathName;
    if (bReplace && strName.IsEmpty()) {
      // The title as the name proposed, up to a character names avoid,
      // with the document's extension.
      strName = m_strTitle;
      const int nBad = strName.FindOneOf(" #%;/\\");
      if (nBad >= 0) strName = strName.Left(nBad);
      CString strExt;
      if (m_pDocTemplate != nullptr &&
          m_pDocTemplate->GetDocString(strExt, CDocTemplate::filterExt)) {
        const int nSemicolon = strExt.Find(';');
        strName += nSemicolon >= 0 ? strExt.Left(nSemicolon) : strExt;
      }
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr ||
        !pApp->DoPromptFileName(strName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                                OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate)) {
      return FALSE;
    }
  }
  // A failed save leaves the file chosen as it was, even when it is a
  // file the user chose to replace: nothing to remove.
  if (!OnSaveDocument(strName)) return FALSE;
  if (bReplace) SetPathName(strName);
  return TRUE;
}

BOOL CDocument::DoFileSave() {
  const DWORD dwAttributes =
      m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(m_strPathName);
  // Without a file, or with one that is read-only or gone: Save As.
  if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return DoSave(nullptr);
  }
  return DoSave(m_strPathName);
}
