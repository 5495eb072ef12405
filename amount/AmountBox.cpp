#include "amount/AmountBox.h"

#include "amount/IsSibling.h"

using namespace varnel::amount;


namespace {
constexpr LPARAM kPickedFromList = 1;
}  // namespace

BEGIN_MESSAGE_MAP(CAmountBox, CComboBox)
  ON_CONTROL_REFLECT(CBN_SELENDOK, OnSelendok)
  ON_CONTROL_REFLECT(CBN_KILLFOCUS, OnKillfocus)
  ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnEditchange)
  ON_WM_DESTROY()
  ON_MESSAGE(WM_AMOUNTACTIONDONE, OnActionDone)
END_MESSAGE_MAP()

CAmountBox::~CAmountBox() {
  // Destroyed here, while this is still a CAmountBox, so that OnDestroy
  // frees the history records.
  if (IsWindow()) DestroyWindow();
}

history* CAmountBox::RecordAt(int nIndex) const {
  const DWORD_PTR data = GetItemData(nIndex);
  return data == static_cast<DWORD_PTR>(CB_ERR) ? nullptr : reinterpret_cast<history*>(data);
}

void CAmountBox::InsertHistoryEntry(int nIndex, double dAmount, unsigned int uUnits,
                                    bool bNoRound) {
  CString text;
  FormatAmount(dAmount, uUnits, text, bNoRound);
  const int nInserted = InsertString(nIndex, text);
  if (nInserted >= 0) SetItemDataPtr(nInserted, NewHistoryRecord(dAmount, uUnits));
}

void CAmountBox::RemoveHistoryEntry(int nIndex) {
  DeleteHistoryRecord(RecordAt(nIndex));
  SetItemDataPtr(nIndex, nullptr);
  DeleteString(static_cast<UINT>(nIndex));
}

bool CAmountBox::Holds(int nIndex, double dAmount, unsigned int uUnits) const {
  const history* pRecord = RecordAt(nIndex);
  return pRecord != nullptr && pRecord->dAmount == dAmount && pRecord->uUnits == uUnits;
}

int CAmountBox::FindEntry(double dAmount, unsigned int uUnits) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (Holds(i, dAmount, uUnits)) return i;
  }
  return CB_ERR;
}

int CAmountBox::FindStoredAmount() const {
  const int nSelected = GetCurSel();
  if (nSelected != CB_ERR && Holds(nSelected, m_dAmount, m_uUnits)) return nSelected;
  return FindEntry(m_dAmount, m_uUnits);
}

void CAmountBox::ShowStoredAmount() {
  const int nEntry = FindStoredAmount();
  if (nEntry != CB_ERR) {
    SetCurSel(nEntry);
    return;
  }
  CString text;
  FormatAmount(m_dAmount, m_uUnits, text, false);
  SetCurSel(-1);
  SetWindowText(text);
}

void CAmountBox::SetAmount(double dAmount, unsigned int uUnits, bool bClear, bool bAlwaysAdd,
                           bool bNoRound) {
  if (IsWindow()) {
    if (bClear) {
      while (HistoryCount() > 0) RemoveHistoryEntry(0);
    }
    const bool unchanged = GetCount() > 0 && dAmount == m_dAmount && uUnits == m_uUnits;
    if (!unchanged || bAlwaysAdd) {
      int nFound = bAlwaysAdd ? CB_ERR : FindEntry(dAmount, uUnits);
      if (nFound == CB_ERR) {
        InsertHistoryEntry(0, dAmount, uUnits, bNoRound);
        nFound = 0;
      }
      SetCurSel(nFound);
    }
  }
  m_dAmount = dAmount;
  m_uUnits = uUnits;
}

void CAmountBox::SetAmount(LONG lAmount, unsigned int uUnits, bool bClear, bool bAlwaysAdd) {
  SetAmount(static_cast<double>(lAmount), uUnits, bClear, bAlwaysAdd, false);
}

bool CAmountBox::IsEmpty() const { return GetWindowTextLength() == 0; }

void CAmountBox::ClearAmount() { SetWindowText(""); }

void CAmountBox::SetPercentRange(double dLimit1, double dLimit2) {
  StorePercentRange(dLimit1, dLimit2);
}

void CAmountBox::SetFormat(int nPrecision, bool bInches, bool bNotify, bool bRequired,
                           bool bPercent) {
  m_bNotify = bNotify;
  m_bRequired = bRequired;
  m_bPercent = bPercent;
  ApplyDisplayFormat(nPrecision, bInches);
  if (IsWindow()) InitHistory();
}

void CAmountBox::SetFormat(tagFORMAT* pFormat) {
  if (pFormat == nullptr) return;
  SetFormat(pFormat->nPrecision, pFormat->bInches, pFormat->bNotify, pFormat->bRequired,
            pFormat->bPercent);
}

void CAmountBox::SetFormat(tagFORMAT* pFormat, bool bRedisplay) {
  if (pFormat == nullptr) return;
  if (ApplyFormatRecord(*pFormat) && bRedisplay) SetAmount(m_dAmount, m_uUnits, false, true, false);
}

void CAmountBox::GetFormat(tagFORMAT& format) const { FillFormatRecord(format); }

history* CAmountBox::GetAmountHistory() const {
  return GetCount() > 0 ? RecordAt(0) : nullptr;
}

void CAmountBox::InitHistory() {
  const int nSelected = GetCurSel();
  for (int i = 0; i < HistoryCount(); ++i) {
    const history* pRecord = RecordAt(i);
    if (pRecord == nullptr) continue;  // not an entry of ours: left as it is
    const history entry = *pRecord;
    RemoveHistoryEntry(i);
    InsertHistoryEntry(i, entry.dAmount, entry.uUnits, true);
  }
  if (nSelected != CB_ERR) SetCurSel(nSelected);
}

bool CAmountBox::IsSibling(CWnd* pOther) { return ::IsSibling(this, pOther); }

bool CAmountBox::CloseAmount() { return CloseAmountExchange(*this, &DDX_AmountBox); }

BOOL CAmountBox::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN || (pMsg->wParam != VK_RETURN && pMsg->wParam != VK_ESCAPE)) {
    return CComboBox::PreTranslateMessage(pMsg);
  }
  // A dropped list with an edit field closes the usual way.
  if (GetDroppedState() && (GetStyle() & 1) == 0) return CComboBox::PreTranslateMessage(pMsg);
  if ((pMsg->lParam & kRepeatedKeyDown) != 0) return TRUE;
  if (pMsg->wParam == VK_RETURN) {
    if (m_bModify) CloseAmount();
  } else if (!IsEmpty()) {
    ClearAmount();
    m_bModify = true;
  } else {
    ShowStoredAmount();  // never another entry than the amount held
    m_bModify = false;
  }
  return TRUE;
}

void CAmountBox::OnSelendok() {
  const int nSelected = GetCurSel();
  if (nSelected == CB_ERR) return;
  if (const history* pRecord = RecordAt(nSelected)) {
    m_dAmount = pRecord->dAmount;  // a pick is not range-tested
    m_uUnits = pRecord->uUnits;
  }
  if (m_bNotify) {
    NotifyAmount(GetParent(), *this, WM_AMOUNTCHANGED, GetDlgCtrlID(), kPickedFromList);
  }
  m_bModify = false;
}

void CAmountBox::OnKillfocus() { CommitOnLeaving(*this); }

LRESULT CAmountBox::OnActionDone(WPARAM, LPARAM) {
  EndRefusedAction(m_hWnd);
  return 0;
}

void CAmountBox::OnEditchange() { m_bModify = true; }

void CAmountBox::OnDestroy() {
  if (IsWindow()) {
    for (int i = 0; i < HistoryCount(); ++i) {
      DeleteHistoryRecord(RecordAt(i));
      SetItemDataPtr(i, nullptr);
    }
  }
  CComboBox::OnDestroy();
}

void DDX_AmountBox(CDataExchange* pDX, int nIDC, CAmountBox& rControl) {
  if (LoadAmountExchange(pDX, nIDC, rControl)) return;
  unsigned int units = UNITS_DISTANCE;
  bool atLimit = false;
  if (!rControl.IsWindowEnabled()) return;
  CString text;
  rControl.GetWindowText(text);
  if (!rControl.m_bRequired && text.IsEmpty()) return;

  double value = 0.0;
  // The box sends no WM_AMOUNTINVALID.
  if (!rControl.ConvertAmount(text, value, units)) FailUnreadableAmount(pDX, nIDC, nullptr);
  if (!rControl.ValidateAmount(value, units, atLimit)) {
    FailAmountOutOfRange(pDX, nIDC, nullptr, AmountRangePrompt(rControl, units));
  }
  // The text shown afterwards is always the stored amount's: its entry is
  // selected, and an entry that no list entry holds is recorded as a change.
  const bool same = value == rControl.m_dAmount && units == rControl.m_uUnits;
  if (same && rControl.FindStoredAmount() != CB_ERR) {
    rControl.ShowStoredAmount();
  } else if (rControl.m_bModify || (same && rControl.GetCount() > 0)) {
    rControl.RecordCommit(pDX, nIDC, value, units, atLimit, same);
  } else {
    rControl.ShowStoredAmount();  // an unmodified entry changes nothing
  }
  rControl.m_bModify = false;
}

void CAmountBox::RecordCommit(CDataExchange* pDX, int nIDC, double dAmount, unsigned int uUnits,
                              bool bAtLimit, bool bAlwaysAdd) {
  SetAmount(dAmount, uUnits, false, bAlwaysAdd, bAtLimit);
  if (GetCount() > m_nHistory + m_nDefaults) RemoveHistoryEntry(GetCount() - m_nDefaults - 1);
  if (m_bNotify) NotifyAmount(pDX->m_pDlgWnd, *this, WM_AMOUNTCHANGED, nIDC, 0);
}
