// CustomerDlg.h : header file
//
#if !defined(AFX_CUSTOMERDLG_H__INCLUDED_)
#define AFX_CUSTOMERDLG_H__INCLUDED_

/////////////////////////////////////////////////////////////////////////////
// CCustomerDlg dialog

class AFX_EXT_CLASS CCustomerDlg : public CDialog
{
// Construction
public:
	CCustomerDlg(CWnd* pParent = NULL);   // standard constructor

// Dialog Data
	//{{AFX_DATA(CCustomerDlg)
	enum { IDD = IDD_CUSTOMER };
	CListBox	m_listOrders;
	CButton	m_btnDelete;
	CEdit	m_editName;
	CString	m_strName;
	CString	m_strCity;
	int		m_nRegion;
	BOOL	m_bActive;
	CTime	m_timeSince;
	//}}AFX_DATA

// Overrides
	//{{AFX_VIRTUAL(CCustomerDlg)
	protected:
	virtual void DoDataExchange(CDataExchange* pDX);
	//}}AFX_VIRTUAL

protected:
	CToolTipCtrl m_tips;
	CFont m_fontBold;
	CBrush* m_pBackground;
	HICON m_hIcon;
	static CString s_strLastCity;

	//{{AFX_MSG(CCustomerDlg)
	virtual BOOL OnInitDialog();
	afx_msg void OnDelete();
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
};

#endif
