#include "amount/AmountBox.h"

#include "amount/IsSibling.h"

namespace {
constexpr LPARAM kPickedFromList = 1;
}  // namespace

BEGIN_MESSAGE_MAP(CAmountBox, CComboBox)
  ON_CONTROL_REFLECT(CBN_SELENDOK, OnSelendok)
  ON_CONTROL_REFLECT(CBN_KILLFOCUS, OnKillfocus)
  ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnEditchange)
  ON_WM_DESTROY()
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

void CAmountBox::SetAmount(double dAmount, unsigned int uUnits, bool bClear, bool bAlwaysAdd,
                           bool bNoRound) {
  if (IsWindow()) {
    if (bClear) {
      while (HistoryCount() > 0) RemoveHistoryEntry(0);
    }
    const bool unchanged = GetCount() > 0 && dAmount == m_dAmount && uUnits == m_uUnits;
    if (!unchanged || bAlwaysAdd) {
      int nFound = CB_ERR;
      for (int i = 0; !bAlwaysAdd && i < GetCount() && nFound == CB_ERR; ++i) {
        const history* pRecord = RecordAt(i);
        if (pRecord != nullptr && pRecord->dAmount == dAmount && pRecord->uUnits == uUnits) {
          nFound = i;
        }
      }
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
    if (GetCount() > 0) SetCurSel(0);
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

void CAmountBox::OnKillfocus() {
  if (m_bModify && CommitsOnFocusTo(*this, CWnd::GetFocus())) CloseAmount();
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
  if (!rControl.ConvertAmount(text, value, units)) FailUnreadableAmount(pDX);
  if (!rControl.ValidateAmount(value, units, atLimit)) {
    FailAmountOutOfRange(pDX, AmountRangePrompt(rControl, units));
  }
  if (rControl.GetCount() > 0 && value == rControl.m_dAmount && units == rControl.m_uUnits) {
    rControl.SetCurSel(0);
  } else if (rControl.m_bModify) {
    rControl.SetAmount(value, units, false, false, atLimit);
    if (rControl.GetCount() > rControl.m_nHistory + rControl.m_nDefaults) {
      rControl.RemoveHistoryEntry(rControl.GetCount() - rControl.m_nDefaults - 1);
    }
    if (rControl.m_bNotify) NotifyAmount(pDX->m_pDlgWnd, rControl, WM_AMOUNTCHANGED, nIDC, 0);
  }
  rControl.m_bModify = false;
}
