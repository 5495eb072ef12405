// CAmountEdit: a single-line edit field for one amount, a distance shown
// and typed in inches or centimetres, or a percentage. It keeps the amount
// as a number (inches or percent), shows it at a fixed precision, lets only
// characters through that can form a number, checks a commit against
// optional ranges, and tells the dialog when the amount changed
// (WM_AMOUNTCHANGED) or was refused (WM_AMOUNTINVALID).
#pragma once

#include "afx/ui/AfxControls.h"
#include "amount/AmountCommit.h"

class VARNEL_API CAmountEdit : public CEdit, public CAmountFields {
  DECLARE_DYNAMIC(CAmountEdit)

 public:
  CAmountEdit() = default;
  ~CAmountEdit() override = default;

  // Stores the amount and, when the window exists, shows it (rounded to
  // the precision unless bNoRound). A units code other than distance or
  // percent clears the text.
  void SetAmount(double dAmount, unsigned int uUnits, bool bNoRound = false);
  // The same with a whole number of inches or percent.
  void SetAmount(LONG lAmount, unsigned int uUnits, bool bNoRound = false);
  // True when the field shows no text at all.
  bool IsEmpty() const;
  // Empties the field; the stored amount stays.
  void ClearAmount();

  // Switches range checking on and sets the percent limits in either
  // order. Range checking covers distances too, against their limits.
  void SetPercentRange(double dLimit1, double dLimit2);

  void SetFormat(int nPrecision, bool bInches, bool bNotify, bool bRequired, bool bPercent);
  void SetFormat(tagFORMAT* pFormat, bool bRedisplay);
  void GetFormat(tagFORMAT& format) const;
  using CAmountFields::GetFormat;
  bool GetOnlyPercent() const { return m_bOnlyPercent; }
  // A flag kept for the host; the control never reads it.
  void DoUpdates(bool bDoUpdates) { m_bDoUpdates = bDoUpdates; }
  bool DoUpdates() const { return m_bDoUpdates; }

  // True when pOther belongs to the same dialog as this field.
  bool IsSibling(CWnd* pOther);
  // Commits the entry now; false (with the focus back on the field) when
  // it was refused.
  bool CloseAmount();

 protected:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  afx_msg void OnKillfocus();
  afx_msg LRESULT OnActionDone(WPARAM wParam, LPARAM lParam);
  // Lets the clipboard and undo keys through; every paste, by key or
  // menu, arrives as WM_PASTE.
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
  // Backspace, digits, the decimal separator of the C library's numeric
  // locale (the one ConvertAmount reads), '-', and '%' where percentages
  // are accepted.
  bool IsValidChar(int nChar) const;

  DECLARE_MESSAGE_MAP()

 protected:
  bool m_bOnlyPercent = false;
  bool m_bDoUpdates = true;

  friend VARNEL_API void DDX_AmountEdit(CDataExchange* pDX, int nIDC, CAmountEdit& rControl);
};

// The dialog data exchange of one amount edit field: shows the stored
// amount, or reads, checks and stores the typed one (refusing it with a
// prompt and the exchange's failure).
VARNEL_API void DDX_AmountEdit(CDataExchange* pDX, int nIDC, CAmountEdit& rControl);
