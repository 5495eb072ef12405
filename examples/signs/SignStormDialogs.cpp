// The storm's answers to the dialogs the program opens: file dialogs,
// message boxes, the properties dialog typed into, print and print setup.
#include "SignStormDriver.h"

#include <dlgs.h>

#include <vector>

namespace storm {

// ---- the dialogs --------------------------------------------------------------------------

void ClickControl(HWND hCtrl) {
  RECT rc = {};  // empty if the window has gone
  ::GetClientRect(hCtrl, &rc);
  const POINT pt = {rc.right / 2, rc.bottom / 2};
  PostMouse(hCtrl, WM_LBUTTONDOWN, MK_LBUTTON, pt);
  PostMouse(hCtrl, WM_LBUTTONUP, 0, pt);
}

std::string SignPath() {
  static const char* const kNames[] = {"a.sign", "b.sign", "c.sign", "damaged.sign", "missing.sign"};
  return g_folder + kNames[Rnd().Between(0, 4)];
}

// The file dialog gets a name in the storm's folder and OK, or Cancel.
bool AnswerFileDialog(HWND hDlg) {
  HWND hName = ::GetDlgItem(hDlg, edt1);
  if (hName == nullptr) hName = ::GetDlgItem(hDlg, cmb13);
  if (hName == nullptr) return false;
  if (Rnd().Chance(20)) {
    Log("file dialog: Cancel");
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    return true;
  }
  const std::string path = SignPath();
  Log("file dialog: " + path + ", OK");
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &result);
  ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
  return true;
}

// A message box: one of its buttons clicked, or Enter, or Escape.
bool AnswerMessageBox(HWND hDlg) {
  std::vector<HWND> buttons;
  for (int nID : {IDOK, IDCANCEL, IDYES, IDNO}) {
    if (HWND h = ::GetDlgItem(hDlg, nID)) buttons.push_back(h);
  }
  if (buttons.empty() || ::GetDlgItem(hDlg, IDC_WIDTH) != nullptr) return false;
  const int nWhat = Rnd().Between(0, static_cast<int>(buttons.size()) + 1);
  if (nWhat < static_cast<int>(buttons.size())) {
    Log("message box: click " + Name(buttons[static_cast<size_t>(nWhat)]));
    ClickControl(buttons[static_cast<size_t>(nWhat)]);
  } else {
    const UINT vk = nWhat == static_cast<int>(buttons.size()) ? VK_RETURN : VK_ESCAPE;
    Log("message box: " + KeyName(vk));
    PostKey(FocusWindow(), vk);
  }
  return true;
}

// A click into a field; false when the click brought up a message box
// (the field left refused its entry).
bool ClickIntoField(HWND hDlg, HWND hField) {
  ClickControl(hField);
  Settle();
  return OpenDialog() == hDlg;
}

// The properties dialog: typing, pasting, keys, the colours, the combo
// boxes' lists, OK and Cancel.
void AnswerProperties(HWND hDlg) {
  static const int kFields[] = {IDC_WIDTH, IDC_HEIGHT, IDC_LETTER_HEIGHT, IDC_SCALE, IDC_GRID};
  const int nWhat = Rnd().Weighted({30, 10, 25, 8, 6, 8, 8});
  HWND hField = ::GetDlgItem(hDlg, kFields[Rnd().Between(0, 4)]);
  COMBOBOXINFO combo = {};
  combo.cbSize = sizeof combo;
  const bool bCombo = ::GetComboBoxInfo(hField, &combo) != FALSE;
  if (bCombo) hField = combo.hwndItem;
  switch (nWhat) {
    case 0: {  // click into a field and type
      const std::string text = AmountText();
      Log("properties: type \"" + text + "\" into " + Name(hField));
      // The keys go where the focus is: a refusal of the field left may
      // have kept it there, behind a message box.
      if (!ClickIntoField(hDlg, hField)) break;
      const HWND hFocus = FocusWindow();
      if (Rnd().Chance(70)) ::PostMessageA(hFocus, EM_SETSEL, 0, -1);
      for (char c : text) TypeChar(hFocus, c);
      break;
    }
    case 1: {  // paste
      const std::string text = AmountText();
      Log("properties: paste \"" + text + "\" into " + Name(hField));
      if (!ClickIntoField(hDlg, hField)) break;
      if (PutOnClipboard(text)) ::PostMessageA(FocusWindow(), WM_PASTE, 0, 0);
      break;
    }
    case 2:
      Key();
      break;
    case 3: {  // a combo box's list dropped by its arrow, maybe left open
      const HWND hBox = ::GetDlgItem(hDlg, Rnd().Chance(50) ? IDC_LETTER_HEIGHT : IDC_GRID);
      combo = {};
      combo.cbSize = sizeof combo;
      if (!::GetComboBoxInfo(hBox, &combo)) break;
      const POINT pt = {(combo.rcButton.left + combo.rcButton.right) / 2,
                        (combo.rcButton.top + combo.rcButton.bottom) / 2};
      Log("properties: drop the list of " + Name(hBox));
      PostMouse(hBox, WM_LBUTTONDOWN, MK_LBUTTON, pt);
      PostMouse(hBox, WM_LBUTTONUP, 0, pt);
      break;
    }
    case 4: {
      const HWND hColour = ::GetDlgItem(hDlg, IDC_RED + Rnd().Between(0, 2));
      Log("properties: click " + Name(hColour));
      ClickControl(hColour);
      break;
    }
    default: {
      const HWND hButton = ::GetDlgItem(hDlg, nWhat == 5 ? IDOK : IDCANCEL);
      Log("properties: click " + Name(hButton));
      ClickControl(hButton);
      break;
    }
  }
}

// Print setup: OK or Cancel; any other dialog (print, page setup): Cancel.
void AnswerOtherDialog(HWND hDlg) {
  const bool bSetup = ::GetDlgItem(hDlg, cmb2) != nullptr && ::GetDlgItem(hDlg, rad1) != nullptr &&
                      ::GetDlgItem(hDlg, edt1) == nullptr;
  const bool bOk = bSetup && Rnd().Chance(50);
  Log(Name(hDlg) + (bOk ? ": OK" : ": Cancel"));
  ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(bOk ? IDOK : IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, bOk ? IDOK : IDCANCEL)));
}

void AnswerDialog(HWND hDlg, bool bClose) {
  if (AnswerFileDialog(hDlg) || AnswerMessageBox(hDlg)) return;
  if (::GetDlgItem(hDlg, IDC_WIDTH) != nullptr) {
    if (!bClose) return AnswerProperties(hDlg);
    // Escape in an amount field empties it or puts its amount back: the
    // Cancel button closes the dialog whatever the fields hold.
    Log("properties: click Cancel");
    return ClickControl(::GetDlgItem(hDlg, IDCANCEL));
  }
  AnswerOtherDialog(hDlg);
}

}  // namespace storm
