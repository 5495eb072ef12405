// A sign-layout program built on Varnel: a document/view program whose
// document is a sign (its size, letters, shapes, grid and letter colour,
// kept in .sign files), shown in a frame with a menu, a toolbar and a
// status bar (the pointer's place, the zoom) holding a world view of the
// sign in inches (letters, a field of stars, a grid, a grey proof, a
// transparent badge, and the frames of the pages it prints on), a
// properties dialog of amount fields, image buttons and separators that
// edits the document, print preview, and an export of the pages as PNG
// files through the framework's print loop.
//
//   sign_demo.exe [FILE.sign]      an ordinary interactive program
//   sign_demo.exe --tour DIR       drives itself through a scripted tour,
//                                  saves a PNG of each step and the exported
//                                  pages into DIR, prints one line per
//                                  check; the exit code is the number of
//                                  failed checks
//   sign_demo.exe --short --tour DIR   the same without the step pictures
//   sign_demo.exe --storm SEEDS [--events N]   random input from each
//                                  seed (a comma-separated list), N events
//                                  each (SignStorm.h); the exit code is the
//                                  number of failures
#pragma once

#include "../DemoPicture.h"
#include "Varnel.h"

#include "SignData.h"
#include "SignResource.h"

#include <deque>
#include <string>
#include <vector>

// World units are thousandths of an inch, y upwards.
constexpr LONG kUnitsPerInch = 1000;
LONG InchesToWorld(double dInches);

// The layout's colours (the tour looks for them in its pictures).
constexpr COLORREF kSurround = RGB(112, 120, 128);  // around the sign, on screen only
constexpr COLORREF kBoard = RGB(255, 255, 255);
constexpr COLORREF kStarFill = RGB(190, 212, 240);
constexpr COLORREF kStarEdge = RGB(120, 150, 200);
constexpr COLORREF kGridLine = RGB(150, 150, 150);
constexpr COLORREF kLetterEdge = RGB(40, 20, 20);
constexpr COLORREF kPageFrame = RGB(0, 90, 220);
constexpr COLORREF kBadgeDisc = RGB(250, 200, 0);
constexpr COLORREF kBadgeMask = RGB(255, 0, 255);  // left out when the badge is drawn
// Outlines in world units, back to back, with one point count each: what
// the polygon batcher is fed with.
struct OutlineSet {
  std::vector<CPointW> points;
  std::vector<int> counts;
  void Add(const CPointW* first, int count);
  int Size() const { return static_cast<int>(counts.size()); }
};

// The layout made from the settings.
struct SignLayout {
  tagRECT board;      // the sign itself: (0, height, width, 0)
  OutlineSet letters;  // block letters, one square per lit cell
  OutlineSet proof;    // the same text smaller, shown in grey
  OutlineSet stars;    // the background field
  OutlineSet grid;     // two-point lines
  tagPOINT badge;      // where the badge's top-left corner goes
};
SignLayout BuildLayout(const SignSettings& settings);

// The document: the sign's settings and the layout made from them. The
// properties dialog edits it; File New gives the default sign.
class CSignDoc : public CDocument {
  DECLARE_SERIAL(CSignDoc)

 public:
  CSignDoc();
  const SignSettings& Settings() const { return m_settings; }
  const SignLayout& Layout() const { return m_layout; }
  // Takes settings that differ from the sign's: rebuilds the layout, marks
  // the document modified and updates its views.
  void ChangeSettings(const SignSettings& settings);

  void Serialize(CArchive& ar) override;
  void DeleteContents() override;

  int m_nLastDialogResult = 0;

 protected:
  afx_msg void OnLayoutProperties();
  DECLARE_MESSAGE_MAP()

 private:
  void Assign(const SignSettings& settings);

  SignSettings m_settings;
  SignLayout m_layout = {};
};

class CSignView : public CViewW {
  DECLARE_DYNCREATE(CSignView)

 public:
  CSignView() = default;

  CSignDoc* GetDocument() const { return static_cast<CSignDoc*>(CViewW::GetDocument()); }
  // Sets the maximum window around the document's sign and its pages, and
  // shows it all.
  void ShowSign();

  // Prints every page onto page-sized bitmaps and writes them as
  // DIR\page-N.png; the number of pages written.
  int ExportPages(const std::string& dir);
  std::string m_strExportDir = ".";
  // The latest export's pictures, kept only when asked (the tour compares
  // them with the printout): a user's export keeps just the files, since
  // a large sign's pages would hold many MB for nothing.
  bool m_bKeepExportedPages = false;
  std::vector<PixelImage> m_exportedPages;

  // The pages the sign prints on over the sign, and the first one: the
  // application printer's printable area (the screen's when there is no
  // printer), measured again after print setup.
  int DocumentPages(tagRECT* pFirstPage);
  void MeasurePage();
  // The exported pages stand for the printer's at the screen's resolution:
  // their resolution and their offset on the sheet.
  int m_nExportDpi = 0;
  tagPOINT m_ptExportOffset = {};

  // The status bar's panes: a world point in the sign's unit (inches, or
  // centimetres when chosen in the View menu), and the zoom: the screen's
  // inches to the sign's, as a percentage.
  CString PositionText(tagPOINT world) const;
  double ZoomPercent();
  bool m_bCentimetres = false;

  // For the tour: the view's state.
  CRect Window() { CRect rc; GetWindow(&rc); return rc; }
  CRect WindowMax() { CRect rc; GetWindowMax(&rc); return rc; }
  unsigned int ScaleMode() const { return m_nScaleMode; }
  bool SmoothScroll() const { return m_bSmoothScroll; }
  int ZoomDepth() const { return m_aZoomStack.GetSize(); }
  bool ManagesBar(int nBar) const { return nBar == SB_HORZ ? m_bHorzBar : m_bVertBar; }
  int m_nDraws = 0;

  void OnDraw(CDC* pDC) override;

 protected:
  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;

  afx_msg int OnCreate(LPCREATESTRUCTA lpcs);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnViewZoomIn();
  afx_msg void OnViewZoomOut();
  afx_msg void OnViewZoomAll();
  afx_msg void OnUpdateViewZoomOut(CCmdUI* pCmdUI);
  afx_msg void OnViewFit(UINT nID);
  afx_msg void OnUpdateViewFit(CCmdUI* pCmdUI);
  afx_msg void OnViewSmooth();
  afx_msg void OnUpdateViewSmooth(CCmdUI* pCmdUI);
  afx_msg void OnFileExport();
  afx_msg void OnFilePrintSetup();
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  afx_msg void OnViewCentimetres();
  afx_msg void OnUpdateViewCentimetres(CCmdUI* pCmdUI);
  afx_msg void OnUpdateIndicatorZoom(CCmdUI* pCmdUI);
  DECLARE_MESSAGE_MAP()

 private:
  // Shows the pointer's place in the status bar ("" when it is not over
  // the view).
  void ShowPosition(LPCSTR lpszText);

  void DrawLayout(CDC* pDC);
  void DrawPageFrames(CDC* pDC);
  void DrawBadge(CDC* pDC);

  CBitmap m_badge;
  CDC* m_pPrintTarget = nullptr;  // the export's page while it prints
  tagSIZE m_sizePrintable = {};     // the printable area of a page, in its device's pixels
  int m_nPrintPages = 0;
  tagRECT m_rcFirstPage = {};
  bool m_bTrackingLeave = false;  // the system reports when the pointer leaves
};

class CPropertiesDialog : public CDialog {
 public:
  explicit CPropertiesDialog(CWnd* pParent) : CDialog(IDD_PROPERTIES, pParent) {}

  SignSettings m_settings;
  // For the storm: empty when every amount field the user is not typing
  // into shows the amount it holds, else which one does not.
  std::string CheckFields();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnColour(UINT nID);
  DECLARE_MESSAGE_MAP()

 private:
  void ShowChosenColour();

  CAmountEdit m_width, m_height, m_scale;
  CAmountBox m_letterHeight, m_grid;
  CStaticSeparator m_headings[4];
  CImageButton m_colours[3], m_ok, m_cancel;
  // The combo boxes' default entries, owned here (the boxes own the rest).
  history m_letterDefaults[2] = {{4.0, UNITS_DISTANCE}, {8.0, UNITS_DISTANCE}};
  history m_gridDefaults[3] = {{0.5, UNITS_DISTANCE}, {1.0, UNITS_DISTANCE}, {2.0, UNITS_DISTANCE}};
};

class CSignFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CSignFrame)

 public:
  CSignFrame() = default;
  // The sign's view (not print preview's, while it shows).
  CSignView* View() const { return m_pSignView; }
  CSignDoc* Document() const { return m_pSignView->GetDocument(); }
  CToolBar m_wndToolBar;
  CStatusBar m_wndStatusBar;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCTA lpcs);
  DECLARE_MESSAGE_MAP()

 private:
  CSignView* m_pSignView = nullptr;
};

class CSignApp : public CWinApp {
 public:
  CSignApp() : CWinApp("Varnel Signs") {}

  BOOL InitInstance() override;
  int ExitInstance() override;
  int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;
  BOOL OnIdle(LONG lCount) override;

  bool m_bTour = false;
  bool m_bStorm = false;
  std::vector<std::string> m_prompts;  // shown during the tour instead of boxes
  std::deque<int> m_answers;           // the tour's answers to the next prompts
  CRecentFileList* RecentFiles() const { return m_pRecentFileList; }

 protected:
  DECLARE_MESSAGE_MAP()
};

// The tour: started by InitInstance, runs from a timer.
void StartTour(CSignFrame* pFrame, const std::string& dir, bool bPictures);
int TourFailures();
