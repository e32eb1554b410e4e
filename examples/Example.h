// Example.h : a small MFC application's classes, to try Varnwick on.
//

#pragma once

class COrderLine;
typedef CTypedPtrList<CPtrList, COrderLine*> COrderLineList;

/////////////////////////////////////////////////////////////////////////////
// COrderDlg dialog

class COrderDlg : public CDialog
{
// Construction
public:
	COrderDlg(CWnd* pParent = NULL);   // standard constructor

// Dialog Data
	//{{AFX_DATA(COrderDlg)
	enum { IDD = IDD_ORDER_DIALOG };
	CEdit	m_editCustomer;
	CComboBox	m_comboState;
	CString	m_strCustomer;
	CString	m_strNote;
	int		m_nQuantity;
	BOOL	m_bExpress;
	double	m_dDiscount;
	//}}AFX_DATA

	COrderDoc* m_pDoc;
	static int s_nOpenCount;
	const int m_nMaxLines;

// Implementation
protected:
	virtual void DoDataExchange(CDataExchange* pDX);    // DDX/DDV support
	virtual BOOL OnInitDialog();
	afx_msg void OnOK();
	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// COrderDoc document

class COrderDoc : public CDocument
{
protected: // create from serialization only
	COrderDoc();
	DECLARE_DYNCREATE(COrderDoc)

// Attributes
public:
	CString m_strTitle, m_strCustomer;
	CTime m_timeCreated;
	long m_nNextNumber;
	COrderLineList m_lines;
	CTypedPtrList<CObList, CPayment*> m_payments;
	CStringList m_tags;
	CRect m_rcPrint;
	COLORREF m_crHighlight;
	CPoint* m_pptAnchor;

// Implementation
public:
	virtual ~COrderDoc();
	virtual void Serialize(CArchive& ar);   // overridden for document i/o
};
