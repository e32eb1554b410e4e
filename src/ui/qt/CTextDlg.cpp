#include "CTextDlg.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "CCodeEdit.h"
#include "CWindowSettings.h"
#include "MessageText.h"
#include "UiText.h"

namespace varnwick {

CTextDlg::CTextDlg(QWidget* owner) : QDialog(owner) {
  setWindowTitle(QStringLiteral("Text"));
  CreateControls();
  LayOut();
  ConnectSignals();
}

void CTextDlg::CreateControls() {
  const CDialogUnits units(font());
  // Created in tab order, so the focus starts on "OK".
  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setObjectName(QStringLiteral("1"));
  m_ok->setFixedSize(units.X(23), units.Y(14));
  m_ok->setDefault(true);

  // Never shown: Escape still closes the window through the dialog's own cancel.
  m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
  m_cancel->setObjectName(QStringLiteral("2"));
  m_cancel->hide();

  m_body = new CCodeEdit(this);
  m_body->setObjectName(QStringLiteral("1004"));

  m_declaration = new QLineEdit(this);
  m_declaration->setObjectName(QStringLiteral("1005"));
  m_declaration->setFont(m_body->font());
  m_declaration->setFixedHeight(units.Y(16));
  m_declaration->setPlaceholderText(ToQString(kNoDeclarationText));

  m_copy = new QPushButton(QStringLiteral("Copy"), this);
  m_copy->setObjectName(QStringLiteral("57634"));
  m_copy->setFixedSize(units.X(23), units.Y(14));

  m_ok->setFocus();
}

void CTextDlg::LayOut() {
  // The declaration and the buttons stay on top, the buttons at the right; the body takes the rest.
  const CDialogUnits units(font());
  auto* top = new QHBoxLayout;
  top->setContentsMargins(0, 0, units.X(1), 0);
  top->setSpacing(units.X(3));
  top->addWidget(m_declaration, 1);
  top->addWidget(m_copy, 0, Qt::AlignTop);
  top->addWidget(m_ok, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, units.Y(1), 0, 0);
  layout->setSpacing(units.Y(1));
  layout->addLayout(top);
  layout->addWidget(m_body, 1);
  resize(units.X(433), units.Y(194));
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
  // A long declaration would otherwise show its end, the name of what it declares out of sight.
  m_declaration->setCursorPosition(0);
}

void CTextDlg::KeepSizeIn(CWindowSettings& settings) {
  m_sizeKeeper = &settings;
  const std::optional<CWindowSize> size = settings.TextWindowSize();
  if (!size) return;
  // A screen smaller than the one the size was left on still shows the whole window.
  const QSize room = screen() != nullptr ? screen()->availableGeometry().size() : QSize(size->width, size->height);
  resize(QSize(size->width, size->height).boundedTo(room).expandedTo(minimumSizeHint()));
}

void CTextDlg::done(int result) {
  if (m_sizeKeeper != nullptr) m_sizeKeeper->SetTextWindowSize({width(), height()});
  QDialog::done(result);
}

std::string CTextDlg::BodyText() const {
  if (!m_body->document()->isModified()) return m_strBody;
  return ToBytes(CCodeEdit::WithCrLf(m_body->toPlainText()));
}

void CTextDlg::OnEditCopy() {
  m_body->selectAll();
  QApplication::clipboard()->setText(ToQString(BodyText()));
}

}  // namespace varnwick
