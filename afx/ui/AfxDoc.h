// CDocument: the data a program keeps, apart from the views that show it.
// A host derives its document class, keeps its data in members, stores and
// loads them in Serialize, and calls SetModifiedFlag and UpdateAllViews
// when they change. The framework makes the document from its template
// (CSingleDocTemplate), opens and saves it through File New, Open, Save
// and Save As, and asks "Save changes to %1?" before it is closed or
// replaced.
//
// Saving never destroys the previous file: the document is written to a
// temporary file in the same folder, which replaces the old file only once
// it is complete and on the disk. A save that fails tells the user why,
// leaves the old file as it was and the document modified. A file that
// cannot be read is refused with one message; a document that was being
// loaded when the file turned out damaged is emptied, never left half
// loaded.
#pragma once

#include "afx/app/AfxApp.h"
#include "afx/app/AfxRes.h"
#include "afx/base/AfxArchive.h"
#include "afx/base/AfxColl.h"

#include <vector>

class CDocTemplate;
class CFrameWnd;
class CView;

class VARNEL_API CDocument : public CCmdTarget {
  DECLARE_DYNAMIC(CDocument)

 public:
  CDocument() = default;
  // Leaves its template's list; a document with views is closed by
  // OnCloseDocument instead of being deleted directly.
  ~CDocument() override;

  // ---- name and state ---------------------------------------------------------------
  // The title shown in its frames' captions: "Untitled", then the file's
  // name.
  const CString& GetTitle() const { return m_strTitle; }
  virtual void SetTitle(LPCSTR lpszTitle);
  // The full path of its file (empty for a document never saved).
  const CString& GetPathName() const { return m_strPathName; }
  // Takes the full path of lpszPathName, the file's name as the title, and
  // (bAddToMRU) puts the file at the top of the recent-file list.
  virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
  CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
  virtual BOOL IsModified() { return m_bModified; }
  virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

  // ---- views ------------------------------------------------------------------------
  void AddView(CView* pView);
  void RemoveView(CView* pView);
  virtual POSITION GetFirstViewPosition() const;
  virtual CView* GetNextView(POSITION& rPosition) const;
  // Calls OnUpdate of every view but pSender with the hints.
  void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);

  // ---- what the host overrides --------------------------------------------------------
  // Empties the document's data (before a new document, a load, and when
  // it closes). The base does nothing.
  virtual void DeleteContents();
  // File New: DeleteContents, then unmodified and without a file.
  virtual BOOL OnNewDocument();
  // File Open: reads the file through Serialize. On any failure the user
  // is told once, and the document is either as it was (the file could
  // not be opened) or emptied (it was not a readable document).
  virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
  // Saves through Serialize into a temporary file that replaces
  // lpszPathName only when complete; on failure the user is told once,
  // lpszPathName is untouched and the document stays modified.
  virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
  // Destroys the document's frames and views, empties it and, when it is
  // deleted with its last view (m_bAutoDelete), deletes it.
  virtual void OnCloseDocument();
  // Tells the user why opening or saving lpszPathName failed, in the
  // framework's words for the exception (nothing for a CUserException,
  // which was told already); nIDPDefault when no better one fits.
  virtual void ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving,
                                       UINT nIDPDefault);
  // The file a save or load goes through: a file that saves safely when
  // nOpenFlags has modeCreate, the system file otherwise; null (and
  // *pError filled) when it cannot be opened.
  virtual CFile* GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
  // Ends the file's use: Close (a save's commit) or Abort, then deletes it.
  virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

  // ---- closing ----------------------------------------------------------------------
  // Whether pFrame may close: asks SaveModified.
  virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
  // A modified document asks "Save changes to %1?": Yes saves (FALSE when
  // the save fails or is cancelled), No keeps going without saving, Cancel
  // answers FALSE.
  virtual BOOL SaveModified();
  virtual void PreCloseFrame(CFrameWnd* pFrame);

  // ---- saving -------------------------------------------------------------------------
  // Saves to lpszPathName, or (null) asks for a name with the Save As
  // dialog first. bReplace: the document takes the new name.
  virtual BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE);
  // Saves under its own name; asks for one (Save As) when it has none or
  // its file is read-only or gone.
  virtual BOOL DoFileSave();

  // Shows the title in each frame's caption.
  virtual void UpdateFrameCounts();

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr,
                AFX_CMDHANDLERINFO* pHandlerInfo = nullptr) override;

  // Deleted by the framework when its last view goes.
  BOOL m_bAutoDelete = TRUE;
  BOOL m_bEmbedded = FALSE;

  afx_msg void OnFileClose();
  afx_msg void OnFileSave();
  afx_msg void OnFileSaveAs();

 protected:
  // When the last view left (and m_bAutoDelete), the document closes.
  virtual void OnChangedViewList();

  CString m_strTitle;
  CString m_strPathName;
  CDocTemplate* m_pDocTemplate = nullptr;
  BOOL m_bModified = FALSE;

  DECLARE_MESSAGE_MAP()

 private:
  friend class CDocTemplate;
  std::vector<CView*> m_viewList;
};
