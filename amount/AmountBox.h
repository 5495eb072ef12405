// CAmountBox: a combo box for one amount, with the amount model, format,
// ranges and commit of the amount edit control plus a drop-down history:
// each committed amount goes to the top of the list, earlier ones can be
// picked, and the host's default entries stay at the bottom. The box owns
// the records of its history entries; the host owns those of the defaults
// (each default entry needs a `history` record as its item data).
#pragma once

#include "afx/ui/AfxControls.h"
#include "amount/AmountCommit.h"
#include "amount/AmountEdit.h"
#include "amount/AmountHistory.h"

class VARNEL_API CAmountBox : public CComboBox, public CAmountFields {
 public:
  CAmountBox() = default;
  ~CAmountBox() override;

  // Shows the amount and records it: bClear first removes every history
  // entry; an equal entry already listed is selected instead of adding one
  // (unless bAlwaysAdd); otherwise a new entry goes to the top.
  void SetAmount(double dAmount, unsigned int uUnits, bool bClear = false,
                 bool bAlwaysAdd = false, bool bNoRound = false);
  void SetAmount(LONG lAmount, unsigned int uUnits, bool bClear = false, bool bAlwaysAdd = false);
  bool IsEmpty() const;
  void ClearAmount();

  // Sets the percent limits in either order; range checking stays as it is.
  void SetPercentRange(double dLimit1, double dLimit2);

  void SetFormat(int nPrecision, bool bInches, bool bNotify, bool bRequired, bool bPercent);
  void SetFormat(tagFORMAT* pFormat);
  void SetFormat(tagFORMAT* pFormat, bool bRedisplay);
  void GetFormat(tagFORMAT& format) const;  // leaves bOnlyPercent alone
  using CAmountFields::GetFormat;

  // The most history entries a commit leaves, and the number of default
  // entries at the bottom; values below 1 are stored as 0.
  void SetHistory(int nHistory) { m_nHistory = nHistory < 1 ? 0 : nHistory; }
  int GetHistory() const { return m_nHistory; }
  void SetDefaults(int nDefaults) { m_nDefaults = nDefaults < 1 ? 0 : nDefaults; }
  int GetDefaults() const { return m_nDefaults; }
  void SetModify(bool bModify) { m_bModify = bModify; }
  bool GetModify() const { return m_bModify; }

  // The record of the top entry (the most recent amount), or null.
  history* GetAmountHistory() const;
  // Rewrites the history entries in the current format (unrounded).
  void InitHistory();

  bool IsSibling(CWnd* pOther);
  bool CloseAmount();

 protected:
  BOOL PreTranslateMessage(MSG* pMsg) override;
  afx_msg void OnSelendok();
  afx_msg void OnKillfocus();
  afx_msg LRESULT OnActionDone(WPARAM wParam, LPARAM lParam);
  afx_msg void OnEditchange();
  afx_msg void OnDestroy();

  DECLARE_MESSAGE_MAP()

 protected:
  int m_nHistory = 10;
  int m_nDefaults = 0;
  bool m_bModify = false;

 private:
  history* RecordAt(int nIndex) const;
  int HistoryCount() const { return GetCount() - m_nDefaults; }
  bool Holds(int nIndex, double dAmount, unsigned int uUnits) const;
  // The first entry that holds the amount, or CB_ERR.
  int FindEntry(double dAmount, unsigned int uUnits) const;
  // The entry that holds the stored amount, the selected one when it does.
  int FindStoredAmount() const;
  // Shows the stored amount: selects its entry, or (when no entry holds
  // it) shows its text with no entry selected.
  void ShowStoredAmount();
  // Stores and records a committed amount (a new top entry when
  // bAlwaysAdd), trims the history and tells the dialog.
  void RecordCommit(CDataExchange* pDX, int nIDC, double dAmount, unsigned int uUnits,
                    bool bAtLimit, bool bAlwaysAdd);
  void InsertHistoryEntry(int nIndex, double dAmount, unsigned int uUnits, bool bNoRound);
  // Frees the entry's record, then deletes the entry.
  void RemoveHistoryEntry(int nIndex);

  friend VARNEL_API void DDX_AmountBox(CDataExchange* pDX, int nIDC, CAmountBox& rControl);
};

// The dialog data exchange of one amount combo box: shows the stored
// amount, or reads, checks, stores and records the typed one, trimming the
// history by its oldest entry when it grows past the limit.
VARNEL_API void DDX_AmountBox(CDataExchange* pDX, int nIDC, CAmountBox& rControl);
