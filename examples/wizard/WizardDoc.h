// WizardDoc.h : interface of the CWizardDoc class
//
/////////////////////////////////////////////////////////////////////////////

#if !defined(AFX_WIZARDDOC_H__9C2D4E6F_1A3B_4C5D_8E7F_6A5B4C3D2E1F__INCLUDED_)
#define AFX_WIZARDDOC_H__9C2D4E6F_1A3B_4C5D_8E7F_6A5B4C3D2E1F__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

/////////////////////////////////////////////////////////////////////////////
// CStroke: one line the user drew, as the points the pen passed through

class CStroke : public CObject
{
public:
	CStroke();
	explicit CStroke(UINT nPenWidth);
	DECLARE_SERIAL(CStroke)

// Attributes
	UINT m_nPenWidth;
	CArray<CPoint, CPoint> m_pointArray;

// Operations
	void DrawStroke(CDC* pDC) const;
	virtual void Serialize(CArchive& ar);
};

class CWizardDoc : public CDocument
{
protected: // create from serialization only
	CWizardDoc();
	DECLARE_DYNCREATE(CWizardDoc)

// Attributes
public:
	CTypedPtrArray<CObArray, CStroke*> m_strokeList;
	UINT m_nPenWidth;

// Operations
public:
	CStroke* NewStroke();

// Overrides
	// ClassWizard generated virtual function overrides
	//{{AFX_VIRTUAL(CWizardDoc)
	public:
	virtual BOOL OnNewDocument();
	virtual void Serialize(CArchive& ar);
	virtual void DeleteContents();
	//}}AFX_VIRTUAL

// Implementation
public:
	virtual ~CWizardDoc();
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif

protected:

// Generated message map functions
protected:
	//{{AFX_MSG(CWizardDoc)
		// NOTE - the ClassWizard will add and remove member functions here.
		//    DO NOT EDIT what you see in these blocks of generated code !
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////

//{{AFX_INSERT_LOCATION}}
// Microsoft Visual C++ will insert additional declarations immediately before the previous line.

#endif // !defined(AFX_WIZARDDOC_H__9C2D4E6F_1A3B_4C5D_8E7F_6A5B4C3D2E1F__INCLUDED_)
