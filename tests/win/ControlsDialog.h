// The controls suite's dialog (from its resources): two image buttons and
// two separators, modeless and shown, with helpers that read the pixels a
// control painted on the screen.
#pragma once

#include "ControlsTestResource.h"
#include "DibCanvas.h"
#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

// An image button whose handles and layout switch a test can see.
class CPeekButton : public CImageButton {
 public:
  HICON Icon() const { return m_hIcon; }
  HBITMAP Bitmap() const { return m_hBitmap; }
  HBITMAP DisabledBitmap() const { return m_hBitmapDisabled; }
  bool AutoPos() const { return m_bAutoPos != 0; }
};

class CControlsDialog : public CDialog {
 public:
  CControlsDialog() : CDialog(IDD_CONTROLS) {}
  CPeekButton m_button;
  CPeekButton m_other;
  CStaticSeparator m_separator;
  CStaticSeparator m_vseparator;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_IMAGE_BUTTON, m_button);
    DDX_Control(pDX, IDC_OTHER_BUTTON, m_other);
    DDX_Control(pDX, IDC_SEPARATOR, m_separator);
    DDX_Control(pDX, IDC_VSEPARATOR, m_vseparator);
  }
};

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dlg.Create(IDD_CONTROLS));
    dlg.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(dlg.m_hWnd);
    // Exact pixel sizes, whatever the dialog font makes of the template.
    dlg.m_button.MoveWindow(10, 10, 100, 30);
    dlg.m_other.MoveWindow(120, 10, 100, 30);
    dlg.UpdateWindow();
    PumpPending();
  }
  void TearDown() override { dlg.DestroyWindow(); }

  CControlsDialog dlg;
};

// Repaints a window through the system's paint cycle.
inline void Repaint(CWnd& wnd) {
  wnd.Invalidate();
  wnd.UpdateWindow();
  PumpPending();
}

// A copy of the window's client area as it is on the screen.
inline std::unique_ptr<DibCanvas> Capture(CWnd& wnd) {
  CRect rc;
  wnd.GetClientRect(&rc);
  auto shot = std::make_unique<DibCanvas>(rc.Width(), rc.Height());
  CClientDC dc(&wnd);
  ::BitBlt(shot->dc().m_hDC, 0, 0, rc.Width(), rc.Height(), dc.m_hDC, 0, 0, SRCCOPY);
  return shot;
}

// The extent of text in the control's own font.
inline CSize TextExtentIn(CWnd& wnd, const char* text) {
  CClientDC dc(&wnd);
  HGDIOBJ hOld = ::SelectObject(dc.m_hDC, reinterpret_cast<HGDIOBJ>(wnd.SendMessage(WM_GETFONT)));
  const CSize extent = dc.GetTextExtent(text, static_cast<int>(std::strlen(text)));
  ::SelectObject(dc.m_hDC, hOld);
  return extent;
}
