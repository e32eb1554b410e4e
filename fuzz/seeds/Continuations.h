// Declarations spread over lines, nested structures and marks.
#pragma once

class CView;

class CReportView : public CScrollView
{
public:
	int m_nFirst,
		m_nSecond, // the second one
		m_nThird;
	int m_a, *m_p, m_b;
	static const int s_nLimit;
	const static double s_dScale;
	const CString m_strFixed;
	unsigned long m_nSize;
	CView* m_pOther;
	int* m_pnCounts;
	CString* m_pstrTitle;
	struct tm m_when;
	int m_nInsideStruct;
	};
	struct SHeader
	{
		int nVersion;
		char szName[32];
	} m_header;
	long m_nAfter;
	int m_matrix[4][4];
	void (*m_pfnCallback)(int);
	return m_nAfter;
	enum EMode { modeA, modeB } m_mode;
	CReportView* m_pNext,
};

int g_nReports;

class CReportDoc : public CDocument
{
	CReportView* m_pView;
	CString m_strQuery; CString m_strSort;
};
class CEmpty {
};
