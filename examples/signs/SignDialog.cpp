// The layout's properties: amount fields in inches, centimetres and
// percent with ranges, combo boxes with a history above default entries,
// headings set into etched lines, and image buttons.
#include "Signs.h"

BEGIN_MESSAGE_MAP(CPropertiesDialog, CDialog)
  ON_COMMAND_RANGE(IDC_RED, IDC_BLUE, OnColour)
END_MESSAGE_MAP()

BOOL CPropertiesDialog::OnInitDialog() {
  // Formats and ranges before the first exchange shows the amounts. A
  // refused entry prompts with the range ("... between 12 and 120 ...").
  // The ranges are the ones a .sign file is checked against.
  m_width.SetRange(kWidthRange.dMin, kWidthRange.dMax);
  m_height.SetFormat(1, false, true, true, false);  // shown and typed in centimetres
  m_height.SetRange(kHeightRange.dMin, kHeightRange.dMax);
  tagFORMAT percentOnly = {0, true, true, true, true, true, 0};  // "150" means 150 %
  m_scale.SetFormat(&percentOnly, false);
  m_scale.SetPercentRange(kShapeScaleRange.dMin, kShapeScaleRange.dMax);
  m_letterHeight.SetRange(kLetterHeightRange.dMin, kLetterHeightRange.dMax);
  m_grid.SetRange(kGridRange.dMin, kGridRange.dMax);
  const BOOL result = CDialog::OnInitDialog();

  // Default entries stay at the bottom of each list; committed amounts
  // go to the top.
  for (history& entry : m_letterDefaults) {
    CString text;
    m_letterHeight.FormatAmount(entry.dAmount, entry.uUnits, text, false);
    m_letterHeight.SetItemDataPtr(m_letterHeight.AddString(text), &entry);
  }
  m_letterHeight.SetDefaults(2);
  for (history& entry : m_gridDefaults) {
    CString text;
    m_grid.FormatAmount(entry.dAmount, entry.uUnits, text, false);
    m_grid.SetItemDataPtr(m_grid.AddString(text), &entry);
  }
  m_grid.SetDefaults(3);
  m_letterHeight.SetAmount(m_settings.dLetterHeight, UNITS_DISTANCE);
  m_grid.SetAmount(m_settings.dGrid, UNITS_DISTANCE);

  for (int i = 0; i < 3; ++i) m_colours[i].SetColorTab(kLetterColours[i]);
  // A small icon at the dialog's density: 16 pixels at 96 dots per inch.
  const int nIcon = ::MulDiv(16, static_cast<int>(AfxGetWindowDpi(m_hWnd)), 96);
  m_ok.SetIcon(IDI_SIGN_OK, nIcon, nIcon);
  m_ok.SetDefaultButton(1);
  ShowChosenColour();
  return result;
}

void CPropertiesDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  const int headings[] = {IDC_HEADING_SIGN, IDC_HEADING_LETTERS, IDC_HEADING_SHAPES,
                          IDC_HEADING_COLOUR};
  for (int i = 0; i < 4; ++i) DDX_Control(pDX, headings[i], m_headings[i]);
  for (int i = 0; i < 3; ++i) DDX_Control(pDX, IDC_RED + i, m_colours[i]);
  DDX_Control(pDX, IDOK, m_ok);
  DDX_Control(pDX, IDCANCEL, m_cancel);

  if (!pDX->m_bSaveAndValidate) {
    m_width.SetAmount(m_settings.dWidth, UNITS_DISTANCE);
    m_height.SetAmount(m_settings.dHeight, UNITS_DISTANCE);
    m_scale.SetAmount(m_settings.dShapeScale, UNITS_PERCENT);
  }
  DDX_AmountEdit(pDX, IDC_WIDTH, m_width);
  DDX_AmountEdit(pDX, IDC_HEIGHT, m_height);
  DDX_AmountBox(pDX, IDC_LETTER_HEIGHT, m_letterHeight);
  DDX_AmountEdit(pDX, IDC_SCALE, m_scale);
  DDX_AmountBox(pDX, IDC_GRID, m_grid);
  if (pDX->m_bSaveAndValidate) {
    m_settings.dWidth = m_width.GetAmount();
    m_settings.dHeight = m_height.GetAmount();
    m_settings.dLetterHeight = m_letterHeight.GetAmount();
    m_settings.dShapeScale = m_scale.GetAmount();
    m_settings.dGrid = m_grid.GetAmount();
  }
}

void CPropertiesDialog::OnColour(UINT nID) {
  m_settings.crLetters = kLetterColours[nID - IDC_RED];
  ShowChosenColour();
}

// The chosen colour's button carries the default frame.
void CPropertiesDialog::ShowChosenColour() {
  for (int i = 0; i < 3; ++i) {
    if (m_settings.crLetters == kLetterColours[i]) {
      m_colours[i].SetWindowText(i == 0 ? "&Red *" : i == 1 ? "Gr&een *" : "&Blue *");
    } else {
      m_colours[i].SetWindowText(i == 0 ? "&Red" : i == 1 ? "Gr&een" : "&Blue");
    }
    m_colours[i].Invalidate();
  }
}
