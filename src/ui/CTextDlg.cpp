#include "CTextDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "UiText.h"

namespace varnwick {

CTextDlg::CTextDlg(QWidget* owner) : QDialog(owner) {
  setWindowTitle(QStringLiteral("Text"));
  CreateControls();
  ConnectSignals();
}

void CTextDlg::CreateControls() {
  const CDialogUnits units(font());
  setFixedSize(units.X(433), units.Y(194));

  // Created in tab order, so the focus starts on "OK".
  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setObjectName(QStringLiteral("1"));
  m_ok->setGeometry(units.Rect(409, 1, 23, 14));
  m_ok->setDefault(true);

  // Never shown: Escape still closes the window through the dialog's own cancel.
  m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
  m_cancel->setObjectName(QStringLiteral("2"));
  m_cancel->setGeometry(units.Rect(376, 24, 50, 14));
  m_cancel->hide();

  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  m_body = new QPlainTextEdit(this);
  m_body->setObjectName(QStringLiteral("1004"));
  m_body->setGeometry(units.Rect(0, 18, 433, 176));
  m_body->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_body->setFont(fixed);
  m_body->setTabStopDistance(4 * QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')));

  m_declaration = new QLineEdit(this);
  m_declaration->setObjectName(QStringLiteral("1005"));
  m_declaration->setGeometry(units.Rect(0, 1, 378, 16));
  m_declaration->setFont(fixed);

  m_copy = new QPushButton(QStringLiteral("Copy"), this);
  m_copy->setObjectName(QStringLiteral("57634"));
  m_copy->setGeometry(units.Rect(383, 1, 23, 14));

  m_ok->setFocus();
}

void CTextDlg::ConnectSignals() {
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_copy, &QPushButton::clicked, this, &CTextDlg::OnEditCopy);
}

void CTextDlg::SetBody(const std::string& body) {
  m_strBody = body;
  m_body->setPlainText(ToQString(body));
}

void CTextDlg::SetDeclaration(const std::string& declaration) {
  m_declaration->setText(ToQString(declaration));
}

std::string CTextDlg::BodyText() const {
  if (!m_body->document()->isModified()) return m_strBody;
  QString edited = m_body->toPlainText();
  edited.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return ToBytes(edited);
}

void CTextDlg::OnEditCopy() {
  m_body->selectAll();
  QApplication::clipboard()->setText(ToQString(BodyText()));
}

}  // namespace varnwick
