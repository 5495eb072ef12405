// WizardDoc.cpp : implementation of the CWizardDoc class
//

#include "StdAfx.h"
#include "Wizard.h"

#include "WizardDoc.h"

#include <set>

#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif

/////////////////////////////////////////////////////////////////////////////
// CStroke

IMPLEMENT_SERIAL(CStroke, CObject, 1)

CStroke::CStroke() : m_nPenWidth(1)
{
}

CStroke::CStroke(UINT nPenWidth) : m_nPenWidth(nPenWidth)
{
}

void CStroke::DrawStroke(CDC* pDC) const
{
	CPen pen(PS_SOLID, static_cast<int>(m_nPenWidth), RGB(0, 0, 0));
	CPen* pOldPen = pDC->SelectObject(&pen);
	for (int i = 0; i < m_pointArray.GetSize(); i++)
	{
		if (i == 0)
			pDC->MoveTo(m_pointArray[i]);
		else
			pDC->LineTo(m_pointArray[i]);
	}
	pDC->SelectObject(pOldPen);
}

void CStroke::Serialize(CArchive& ar)
{
	if (ar.IsStoring())
	{
		ar << (WORD)m_nPenWidth;
	}
	else
	{
		WORD w;
		ar >> w;
		m_nPenWidth = w;
	}
	m_pointArray.Serialize(ar);
}

/////////////////////////////////////////////////////////////////////////////
// CWizardDoc

IMPLEMENT_DYNCREATE(CWizardDoc, CDocument)

BEGIN_MESSAGE_MAP(CWizardDoc, CDocument)
	//{{AFX_MSG_MAP(CWizardDoc)
		// NOTE - the ClassWizard will add and remove mapping macros here.
		//    DO NOT EDIT what you see in these blocks of generated code!
	//}}AFX_MSG_MAP
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// CWizardDoc construction/destruction

CWizardDoc::CWizardDoc() : m_nPenWidth(2)
{
}

CWizardDoc::~CWizardDoc()
{
	DeleteContents();
}

BOOL CWizardDoc::OnNewDocument()
{
	if (!CDocument::OnNewDocument())
		return FALSE;

	m_nPenWidth = 2;

	return TRUE;
}

CStroke* CWizardDoc::NewStroke()
{
	CStroke* pStroke = new CStroke(m_nPenWidth);
	m_strokeList.Add(pStroke);
	SetModifiedFlag();
	return pStroke;
}

void CWizardDoc::DeleteContents()
{
	// A damaged file may name one stroke twice (the archive loads an
	// object once however often it is stored): each is deleted once.
	std::set<CStroke*> strokes;
	for (int i = 0; i < m_strokeList.GetSize(); i++)
		strokes.insert(m_strokeList[i]);
	for (CStroke* pStroke : strokes)
		delete pStroke;
	m_strokeList.RemoveAll();
	CDocument::DeleteContents();
}

/////////////////////////////////////////////////////////////////////////////
// CWizardDoc serialization

void CWizardDoc::Serialize(CArchive& ar)
{
	if (ar.IsStoring())
	{
		ar << (WORD)m_nPenWidth;
	}
	else
	{
		WORD w;
		ar >> w;
		m_nPenWidth = w;
	}
	m_strokeList.Serialize(ar);
}

/////////////////////////////////////////////////////////////////////////////
// CWizardDoc diagnostics

#ifdef _DEBUG
void CWizardDoc::AssertValid() const
{
	CDocument::AssertValid();
}

void CWizardDoc::Dump(CDumpContext& dc) const
{
	CDocument::Dump(dc);
}
#endif //_DEBUG

/////////////////////////////////////////////////////////////////////////////
// CWizardDoc commands
