// A host application written the framework's usual way: an application
// object, a frame loaded from a menu resource holding a view made from its
// run-time class, commands with menu updates, an options dialog with an
// owner-drawn button, a number field and an etched rule, and printing.
//
//   varnel_host.exe              an ordinary interactive program
//   varnel_host.exe --selftest   drives itself, prints one line per check,
//                                closes its main window; the exit code is
//                                the number of failed checks
#pragma once

#include "Varnel.h"

#include "HostResource.h"

class CHostView : public CView {
  DECLARE_DYNCREATE(CHostView)

 public:
  CHostView() = default;

  BOOL m_bGrid = FALSE;
  BOOL m_bThick = FALSE;
  UINT m_nColor = 0;  // 0 red, 1 green, 2 blue
  int m_nSquares = 3;
  int m_nSettingChanges = 0;
  int m_nTopRow = 0;  // the first document row shown: the vertical bar's position
  // Where printing goes instead of a printer (set by whoever wants pages).
  CDC* m_pPrintTarget = nullptr;

  COLORREF Color() const;
  void OnDraw(CDC* pDC) override;
  void AssertValid() const override;
  void Dump(CDumpContext& dc) const override;

 protected:
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

  afx_msg int OnCreate(LPCREATESTRUCTA lpcs);
  afx_msg void OnViewGrid();
  afx_msg void OnUpdateViewGrid(CCmdUI* pCmdUI);
  afx_msg void OnViewThick();
  afx_msg void OnUpdateViewThick(CCmdUI* pCmdUI);
  afx_msg void OnViewColor(UINT nID);
  afx_msg void OnUpdateViewColor(CCmdUI* pCmdUI);
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  DECLARE_MESSAGE_MAP()
};

class COptionsDialog : public CDialog {
 public:
  explicit COptionsDialog(CWnd* pParent) : CDialog(IDD_OPTIONS, pParent) {}

  int m_nSquares = 0;
  COLORREF m_crSwatch = RGB(0, 0, 0);
  int m_nSwatchDraws = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  DECLARE_MESSAGE_MAP()
};

class CMainFrame : public CFrameWnd {
 public:
  CMainFrame() = default;

  int m_nOptionsShown = 0;
  int m_nLastDialogResult = 0;
  int m_nLastSwatchDraws = 0;

 protected:
  afx_msg void OnToolsOptions();
  DECLARE_MESSAGE_MAP()
};

class CHostApp : public CWinApp {
 public:
  CHostApp() : CWinApp("Varnel Host") {}

  BOOL InitInstance() override;
  int ExitInstance() override;
  int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

  bool m_bSelfTest = false;
  int m_nPrompts = 0;

 protected:
  afx_msg void OnAppExit();
  DECLARE_MESSAGE_MAP()
};

// The self-test: started by InitInstance, runs from a timer.
void StartSelfTest(CMainFrame* pFrame);
int SelfTestFailures();
