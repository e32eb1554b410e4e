// Lists of a document, some typed through typedefs further down.
#pragma once

class CNode;
class CEdge;
typedef CTypedPtrList<CPtrList, CNode*> CNodeList;
typedef CTypedPtrList<CObList, CEdge*> CEdgeList;
typedef CList<CPoint, CPoint&> CPointList;

class CGraphDoc : public CDocument
{
protected:
	CGraphDoc();
	DECLARE_DYNCREATE(CGraphDoc)

public:
	CNodeList m_nodes;
	CEdgeList m_edges, *m_pSpare;
	CPointList m_outline;
	CPtrList m_raw;
	CObList m_history;
	CStringList m_names;
	CMap<int, int, CNode*, CNode*> m_byId;
	CTypedPtrArray<CObArray, CNode*> m_array;
	CTypedPtrList<CPtrList, CNode*>* m_pSelection;
	CImageList m_images;
	CArray<int,int> m_weights;

public:
	virtual ~CGraphDoc();
	virtual void Serialize(CArchive& ar);
};

class CNode : public CObject
{
public:
	CString m_strLabel;
	CEdgeList m_out;
	CNode* m_pParent;
	double m_x, m_y;
};
