// The bars suite's frame, written as the application wizard writes one
// (toolbar with tooltips and fly-by prompts, status bar with the key
// indicators, docking), and a view that handles some of the toolbar's
// commands: red always, green only while allowed, blue checked while
// chosen, yellow not at all.
#pragma once

#include "BarsTestResource.h"
#include "FrameworkTestApp.h"

class CBarsView : public CView {
  DECLARE_DYNCREATE(CBarsView)

 public:
  void OnDraw(CDC* pDC) override;

  int m_nRed = 0;
  int m_nGreen = 0;
  BOOL m_bGreenAllowed = FALSE;
  BOOL m_bBlue = FALSE;

 protected:
  afx_msg void OnRed() { ++m_nRed; }
  afx_msg void OnGreen() { ++m_nGreen; }
  afx_msg void OnUpdateGreen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bGreenAllowed); }
  afx_msg void OnBlue() { m_bBlue = !m_bBlue; }
  afx_msg void OnUpdateBlue(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bBlue ? 1 : 0); }
  DECLARE_MESSAGE_MAP()
};

class CBarsFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CBarsFrame)

 public:
  CToolBar m_wndToolBar;
  CStatusBar m_wndStatusBar;
  CBarsView* View() const { return static_cast<CBarsView*>(GetActiveView()); }

  // A frame of its view class at (0, 0), cx by cy, shown; the
  // application's main window while it lives.
  static CBarsFrame* Make(CRuntimeClass* pViewClass, int cx, int cy);
  // Destroys the frame without ending the application.
  void Close();

 protected:
  afx_msg int OnCreate(LPCREATESTRUCTA lpcs);
  DECLARE_MESSAGE_MAP()
};

// The status bar's first pane as it shows (not as it was set).
std::string ShownPaneText(CStatusBar& bar, int nIndex);
// Brings the bars up to date as the application's idle time does.
void IdleUpdate();
