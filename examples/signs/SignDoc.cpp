// The sign's document: its settings and the layout made from them, stored
// in .sign files (SignData.cpp), and the properties command that edits it.
#include "Signs.h"

IMPLEMENT_SERIAL(CSignDoc, CDocument, 1)

BEGIN_MESSAGE_MAP(CSignDoc, CDocument)
  ON_COMMAND(ID_LAYOUT_PROPERTIES, OnLayoutProperties)
END_MESSAGE_MAP()

CSignDoc::CSignDoc() { Assign(SignSettings()); }

void CSignDoc::Assign(const SignSettings& settings) {
  m_settings = settings;
  m_layout = BuildLayout(settings);
}

void CSignDoc::ChangeSettings(const SignSettings& settings) {
  if (settings == m_settings) return;
  Assign(settings);
  SetModifiedFlag();
  UpdateAllViews(nullptr);
}

// New, before a load, and after a load that failed: the default sign.
void CSignDoc::DeleteContents() {
  Assign(SignSettings());
  CDocument::DeleteContents();
}

void CSignDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    StoreSign(ar, m_settings);
  } else {
    Assign(LoadSign(ar));
  }
}

void CSignDoc::OnLayoutProperties() {
  CPropertiesDialog dlg(AfxGetMainWnd());
  dlg.m_settings = m_settings;
  m_nLastDialogResult = static_cast<int>(dlg.DoModal());
  if (m_nLastDialogResult == IDOK) ChangeSettings(dlg.m_settings);
}
