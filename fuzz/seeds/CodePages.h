// Adresse.h : Kundendaten für die „Straße“ € – café
#define TITLE "Grüße – €"

class CAdresse : public CObject
{
public:
	CString m_strStraße; // “Straße”
	int m_nPLZ; // Postleitzahl § 5
	CString m_strOrt;
};

// “ú–{Œê‚ÌƒRƒƒ“ƒg •\ ƒ\
class CJapan
{
	CString m_strName; // –¼‘O
	int m_n•\; // ƒ\ƒtƒg
};
