// WizardView.h : interface of the CWizardView class
//
/////////////////////////////////////////////////////////////////////////////

#if !defined(AFX_WIZARDVIEW_H__2E4F6A8C_3B5D_4F7A_9C1E_8B7A6C5D4E3F__INCLUDED_)
#define AFX_WIZARDVIEW_H__2E4F6A8C_3B5D_4F7A_9C1E_8B7A6C5D4E3F__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

class CWizardView : public CView
{
protected: // create from serialization only
	CWizardView();
	DECLARE_DYNCREATE(CWizardView)

// Attributes
public:
	CWizardDoc* GetDocument();
	int m_nInitialUpdates;

// Operations
public:

// Overrides
	// ClassWizard generated virtual function overrides
	//{{AFX_VIRTUAL(CWizardView)
	public:
	virtual void OnDraw(CDC* pDC);  // overridden to draw this view
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
	virtual void OnInitialUpdate();
	protected:
	virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
	virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
	virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
	//}}AFX_VIRTUAL

// Implementation
public:
	virtual ~CWizardView();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif

protected:
	CStroke* m_pStrokeCur;  // the stroke being drawn

// Generated message map functions
protected:
	//{{AFX_MSG(CWizardView)
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
};

#ifndef _DEBUG  // debug version in WizardView.cpp
inline CWizardDoc* CWizardView::GetDocument()
   { return (CWizardDoc*)m_pDocument; }
#endif

/////////////////////////////////////////////////////////////////////////////

//{{AFX_INSERT_LOCATION}}
// Microsoft Visual C++ will insert additional declarations immediately before the previous line.

#endif // !defined(AFX_WIZARDVIEW_H__2E4F6A8C_3B5D_4F7A_9C1E_8B7A6C5D4E3F__INCLUDED_)
