// Tabbed property sheets: CPropertySheet is a dialog-like window holding a
// tab control, the sheet's OK and Cancel buttons, and one child dialog per
// CPropertyPage, shown one at a time. The pages, the tab control and the
// buttons are all children of the sheet, so a field on a page and the
// sheet's buttons are relatives through the sheet.
#pragma once

#include "afx/ui/AfxDialog.h"

#include <vector>

// The tab control's ID in a sheet.
#define AFX_IDC_TAB_CONTROL 0x3020

class VARNEL_API CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)

 public:
  CPropertyPage() = default;
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
  explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);
  // A page from a template in memory, with its tab's caption (the
  // template's caption when null).
  CPropertyPage(LPCDLGTEMPLATE lpTemplate, LPCSTR lpszCaption);
  void Construct(UINT nIDTemplate, UINT nIDCaption = 0);

  // The page becomes the visible one; TRUE accepts.
  virtual BOOL OnSetActive();
  // The page is about to be left (another tab, or OK); FALSE keeps it.
  virtual BOOL OnKillActive();
  // The sheet was closed with OK or Cancel.
  void OnOK() override;
  void OnCancel() override;
  // The sheet's dialog manager handles keystrokes for its pages.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  CString m_strCaption;

 private:
  friend class CPropertySheet;
  BOOL CreatePage(HWND hWndSheet);
};

class VARNEL_API CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)

 public:
  CPropertySheet() = default;
  explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

  // The sheet does not own its pages.
  void AddPage(CPropertyPage* pPage);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int nPage) const;
  CPropertyPage* GetActivePage() const { return GetPage(m_nActivePage); }
  int GetActiveIndex() const { return m_nActivePage; }
  BOOL SetActivePage(int nPage);
  CWnd* GetTabControl() const { return GetDlgItem(AFX_IDC_TAB_CONTROL); }

  virtual int DoModal();
  // Modeless; dwStyle (DWORD)-1 gives a visible captioned popup.
  BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = static_cast<DWORD>(-1),
              DWORD dwExStyle = 0);
  // Ends a modal sheet's loop; destroys a modeless sheet.
  void EndDialog(int nEndID);
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  afx_msg void OnTabSelChanging(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnTabSelChange(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnOK();
  afx_msg void OnCancel();

  DECLARE_MESSAGE_MAP()

 private:
  BOOL CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle);
  void LayOut();

  std::vector<CPropertyPage*> m_pages;
  int m_nActivePage = 0;
  CString m_strCaption;
  CWnd* m_pParentWnd = nullptr;
};
