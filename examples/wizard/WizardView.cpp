// WizardView.cpp : implementation of the CWizardView class
//

#include "StdAfx.h"
#include "Wizard.h"

#include "WizardDoc.h"
#include "WizardView.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif

/////////////////////////////////////////////////////////////////////////////
// CWizardView

IMPLEMENT_DYNCREATE(CWizardView, CView)

BEGIN_MESSAGE_MAP(CWizardView, CView)
	//{{AFX_MSG_MAP(CWizardView)
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_MOUSEMOVE()
	//}}AFX_MSG_MAP
	// Standard printing commands
	ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
	ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// CWizardView construction/destruction

CWizardView::CWizardView() : m_nInitialUpdates(0), m_pStrokeCur(NULL)
{
}

CWizardView::~CWizardView()
{
}

BOOL CWizardView::PreCreateWindow(CREATESTRUCT& cs)
{
	// TODO: Modify the Window class or styles here by modifying
	//  the CREATESTRUCT cs

	return CView::PreCreateWindow(cs);
}

void CWizardView::OnInitialUpdate()
{
	++m_nInitialUpdates;
	m_pStrokeCur = NULL;  // a stroke of the document before is gone
	CView::OnInitialUpdate();
}

/////////////////////////////////////////////////////////////////////////////
// CWizardView drawing

void CWizardView::OnDraw(CDC* pDC)
{
	CWizardDoc* pDoc = GetDocument();
	ASSERT_VALID(pDoc);
	for (int i = 0; i < pDoc->m_strokeList.GetSize(); i++)
		pDoc->m_strokeList[i]->DrawStroke(pDC);
}

/////////////////////////////////////////////////////////////////////////////
// CWizardView printing

BOOL CWizardView::OnPreparePrinting(CPrintInfo* pInfo)
{
	// default preparation
	return DoPreparePrinting(pInfo);
}

void CWizardView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
	// TODO: add extra initialization before printing
}

void CWizardView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/)
{
	// TODO: add cleanup after printing
}

/////////////////////////////////////////////////////////////////////////////
// CWizardView diagnostics

#ifdef _DEBUG
void CWizardView::AssertValid() const
{
	CView::AssertValid();
}

void CWizardView::Dump(CDumpContext& dc) const
{
	CView::Dump(dc);
}

CWizardDoc* CWizardView::GetDocument() // non-debug version is inline
{
	ASSERT(m_pDocument->IsKindOf(RUNTIME_CLASS(CWizardDoc)));
	return (CWizardDoc*)m_pDocument;
}
#endif //_DEBUG

/////////////////////////////////////////////////////////////////////////////
// CWizardView message handlers

void CWizardView::OnLButtonDown(UINT nFlags, CPoint point)
{
	m_pStrokeCur = GetDocument()->NewStroke();
	m_pStrokeCur->m_pointArray.Add(point);
	SetCapture();
	CView::OnLButtonDown(nFlags, point);
}

void CWizardView::OnMouseMove(UINT nFlags, CPoint point)
{
	if (GetCapture() == this && m_pStrokeCur != NULL)
	{
		m_pStrokeCur->m_pointArray.Add(point);
		CClientDC dc(this);
		m_pStrokeCur->DrawStroke(&dc);
	}
	CView::OnMouseMove(nFlags, point);
}

void CWizardView::OnLButtonUp(UINT nFlags, CPoint point)
{
	if (GetCapture() == this && m_pStrokeCur != NULL)
	{
		m_pStrokeCur->m_pointArray.Add(point);
		::ReleaseCapture();
		GetDocument()->UpdateAllViews(this, 0L, m_pStrokeCur);
		m_pStrokeCur = NULL;
		Invalidate();
	}
	CView::OnLButtonUp(nFlags, point);
}
