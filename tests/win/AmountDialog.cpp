#include "AmountDialog.h"

#include <gtest/gtest.h>

#include <cstring>

std::string AmountEvent(const char* who, const char* what, WPARAM wParam, LPARAM lParam) {
  return std::string(who) + " " + what + " " + std::to_string(wParam) + " " +
         std::to_string(lParam) + " after " + std::to_string(TestApp().prompts.size()) +
         " prompts";
}

BEGIN_MESSAGE_MAP(CRecordingAmountEdit, CAmountEdit)
  ON_MESSAGE(WM_AMOUNTCHANGED, OnAmountChanged)
  ON_MESSAGE(WM_AMOUNTINVALID, OnAmountInvalid)
END_MESSAGE_MAP()

LRESULT CRecordingAmountEdit::OnAmountChanged(WPARAM wParam, LPARAM lParam) {
  log->push_back(AmountEvent(name, "changed", wParam, lParam));
  return 0;
}

LRESULT CRecordingAmountEdit::OnAmountInvalid(WPARAM wParam, LPARAM lParam) {
  log->push_back(AmountEvent(name, "invalid", wParam, lParam));
  return 0;
}

BEGIN_MESSAGE_MAP(CRecordingAmountBox, CAmountBox)
  ON_MESSAGE(WM_AMOUNTCHANGED, OnAmountChanged)
END_MESSAGE_MAP()

LRESULT CRecordingAmountBox::OnAmountChanged(WPARAM wParam, LPARAM lParam) {
  log->push_back(AmountEvent("box", "changed", wParam, lParam));
  return 0;
}

HWND CRecordingAmountBox::EditField() const {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  ::GetComboBoxInfo(m_hWnd, &info);
  return info.hwndItem;
}

std::vector<std::string> CRecordingAmountBox::Entries() const {
  std::vector<std::string> entries;
  for (int i = 0; i < GetCount(); ++i) {
    CString text;
    GetLBText(i, text);
    entries.emplace_back(static_cast<const char*>(text));
  }
  return entries;
}

BEGIN_MESSAGE_MAP(CAmountDialog, CDialog)
  ON_MESSAGE(WM_AMOUNTCHANGED, OnAmountChanged)
  ON_MESSAGE(WM_AMOUNTINVALID, OnAmountInvalid)
END_MESSAGE_MAP()

CAmountDialog::CAmountDialog() : m_template(MakeFieldDialogTemplate()) {
  m_field.log = &log;
  m_box.log = &log;
  m_second.log = &log;
  m_second.name = "second";
}

void CAmountDialog::Open() {
  ASSERT_TRUE(CreateIndirect(m_template->Get()));
  ShowWindow(SW_SHOW);
  ::SetForegroundWindow(m_hWnd);
  m_field.SetFocus();
}

int CAmountDialog::OpenModal() {
  InitModalIndirect(m_template->Get());
  return DoModal();
}

void CAmountDialog::DoDataExchange(CDataExchange* pDX) {
  DDX_AmountEdit(pDX, IDC_FIELD, m_field);
  if (m_bSecondField) DDX_AmountEdit(pDX, IDC_OTHER, m_second);
  if (m_bExchangeBox) DDX_AmountBox(pDX, IDC_COMBO, m_box);
}

void CAmountDialog::OnOK() {
  log.push_back("dialog OnOK");
  if (m_bEnds) CDialog::OnOK();
}

void CAmountDialog::OnCancel() {
  log.push_back("dialog OnCancel");
  if (m_bEnds) CDialog::OnCancel();
}

LRESULT CAmountDialog::OnAmountChanged(WPARAM wParam, LPARAM lParam) {
  log.push_back(AmountEvent("dialog", "changed", wParam, lParam));
  return 0;
}

LRESULT CAmountDialog::OnAmountInvalid(WPARAM wParam, LPARAM lParam) {
  log.push_back(AmountEvent("dialog", "invalid", wParam, lParam));
  return 0;
}

void TypeChars(HWND hWnd, const char* text) {
  for (const char* p = text; *p != '\0'; ++p) {
    ::PostMessageA(hWnd, WM_CHAR, static_cast<unsigned char>(*p), 1);
    PumpPending();
  }
}

void SetClipboardText(const char* text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  const size_t size = std::strlen(text) + 1;
  HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(::GlobalLock(hGlobal), text, size);
  ::GlobalUnlock(hGlobal);
  ::SetClipboardData(CF_TEXT, hGlobal);
  ::CloseClipboard();
}
