// Document templates: what ties a document class to the frame and view
// classes that show it, and to its resources under one ID (the frame's
// menu, accelerators and icon, and the document string). The application
// owns its templates (CWinApp::AddDocTemplate) and asks them to make and
// open documents.
//
// The document string has seven parts separated by '\n':
//   "Wizard\n\nWizard\nWizard Files (*.wzd)\n.wzd\nWizard.Document\nWizard Document"
// the window title, the default document name, the name in File New's
// list, the file dialogs' filter name and extension, and the file type's
// name and description in the registry.
#pragma once

#include "afx/ui/AfxDoc.h"

class VARNEL_API CDocTemplate : public CCmdTarget {
  DECLARE_DYNAMIC(CDocTemplate)

 public:
  enum DocStringIndex {
    windowTitle,
    docName,
    fileNewName,
    filterName,
    filterExt,
    regFileTypeId,
    regFileTypeName
  };
  // How well a file suits the template (MatchDocType).
  enum Confidence {
    noAttempt,
    maybeAttemptForeign,
    maybeAttemptNative,
    yesAttemptForeign,
    yesAttemptNative,
    yesAlreadyOpen
  };

  // Closes nothing: the application closes documents before it deletes
  // its templates.
  ~CDocTemplate() override = default;

  // Part index of the document string; FALSE when it is empty.
  virtual BOOL GetDocString(CString& rString, enum DocStringIndex index) const;
  // Loads the document string (AddDocTemplate calls it).
  virtual void LoadTemplate();

  virtual POSITION GetFirstDocPosition() const = 0;
  virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
  virtual void AddDocument(CDocument* pDoc);
  virtual void RemoveDocument(CDocument* pDoc);

  // yesAlreadyOpen (with the document) when the file is open already,
  // yesAttemptNative when its extension is the template's, else
  // yesAttemptForeign.
  virtual Confidence MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch);
  // A new document of the template's class, added to it.
  virtual CDocument* CreateNewDocument();
  // A new frame of the template's class for pDoc, loaded from the
  // template's resources, with a view of the template's class.
  virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
  // Sends OnInitialUpdate to the frame's views and shows it.
  virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);

  // Asks each modified document (SaveModified); FALSE at the first cancel.
  virtual BOOL SaveAllModified();
  virtual void CloseAllDocuments(BOOL bEndSession);

  // A new document (lpszPathName null) or the file opened; null when
  // the user cancelled or the file could not be opened (the user was told).
  virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
  // "Untitled", or the document string's default name.
  virtual void SetDefaultTitle(CDocument* pDocument) = 0;

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr,
                AFX_CMDHANDLERINFO* pHandlerInfo = nullptr) override;

  UINT GetResourceID() const { return m_nIDResource; }

 protected:
  CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
               CRuntimeClass* pViewClass);

  UINT m_nIDResource;
  CRuntimeClass* m_pDocClass;
  CRuntimeClass* m_pFrameClass;
  CRuntimeClass* m_pViewClass;
  CString m_strDocStrings;
};

// The template of a program that shows one document at a time (SDI): the
// first New or Open makes the document, the main frame and its view from
// their run-time classes; later ones reuse them, after asking to save the
// document they replace.
class VARNEL_API CSingleDocTemplate : public CDocTemplate {
  DECLARE_DYNAMIC(CSingleDocTemplate)

 public:
  CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                     CRuntimeClass* pViewClass);
  ~CSingleDocTemplate() override;

  void AddDocument(CDocument* pDoc) override;
  void RemoveDocument(CDocument* pDoc) override;
  POSITION GetFirstDocPosition() const override;
  CDocument* GetNextDoc(POSITION& rPos) const override;
  CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
  void SetDefaultTitle(CDocument* pDocument) override;

 protected:
  CDocument* m_pOnlyDoc = nullptr;

 private:
  // After a failed open into the document it reused: as it was when the
  // file was never read, else a new untitled document.
  void RecoverFromFailedOpen(CDocument* pDocument, BOOL bWasModified);
};
