// A dialog with amount controls on IDC_FIELD (edit), IDC_COMBO (combo
// box) and, when asked, IDC_OTHER (a second edit, "second" in the log) that
// records the notifications it and the controls receive, in
// order, together with how many message boxes had been shown by then.
#pragma once

#include "FrameworkTestApp.h"

#include <string>
#include <vector>

// Events of the dialog and its controls: "dialog changed 100 0",
// "field invalid 100 0 after 0 prompts", "dialog OnOK", ...
using EventLog = std::vector<std::string>;

std::string AmountEvent(const char* who, const char* what, WPARAM wParam, LPARAM lParam);

class CRecordingAmountEdit : public CAmountEdit {
 public:
  EventLog* log = nullptr;
  const char* name = "field";  // its name in the log
  bool Modified() const { return GetModify() != FALSE; }

 protected:
  afx_msg LRESULT OnAmountChanged(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnAmountInvalid(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

class CRecordingAmountBox : public CAmountBox {
 public:
  EventLog* log = nullptr;
  // The edit field inside the box, where the user types.
  HWND EditField() const;
  std::vector<std::string> Entries() const;

 protected:
  afx_msg LRESULT OnAmountChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

class CAmountDialog : public CDialog {
 public:
  CAmountDialog();
  // Creates the dialog modeless, shown and in front, with the amounts
  // loaded into the controls.
  void Open();
  // Runs it modal; its result.
  int OpenModal();

  CRecordingAmountEdit m_field;
  CRecordingAmountBox m_box;
  CRecordingAmountEdit m_second;
  bool m_bExchangeBox = false;     // the box joins the dialog's exchange
  bool m_bSecondField = false;     // IDC_OTHER is an amount edit, exchanged after the first
  bool m_bEnds = false;            // OnOK and OnCancel also end the dialog as CDialog does
  EventLog log;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg LRESULT OnAmountChanged(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnAmountInvalid(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  std::unique_ptr<CDlgTemplate> m_template;
};

// Characters as the keyboard delivers them to a control: WM_CHAR posted
// and pumped one at a time.
void TypeChars(HWND hWnd, const char* text);
// Puts text on the clipboard as CF_TEXT.
void SetClipboardText(const char* text);
