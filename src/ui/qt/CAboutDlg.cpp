#include "CAboutDlg.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "CDocumentation.h"
#include "CHyperLinkEdit.h"
#include "UiText.h"

namespace varnwick {

CAboutDlg::CAboutDlg(QWidget* owner) : QDialog(owner) {
  EnsureResources();
  setWindowTitle(QStringLiteral("About Varnwick"));
  CreateControls();
  // The README beside the program: readable without a network.
  const QString target = QUrl::fromLocalFile(CDocumentation::OfRunningProgram().Readme()).toString();
  m_link->SetLink(target, QUrl(target).path());
}

void CAboutDlg::CreateControls() {
  const CDialogUnits units(font());
  setFixedSize(units.X(210), units.Y(114));

  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(QStringLiteral(":/res/varnwick.png")).pixmap(32, 32));
  icon->setGeometry(units.X(10), units.Y(11), 32, 32);

  auto* version = new QLabel(QStringLiteral("Varnwick Version 1.0 beta"), this);
  version->setTextFormat(Qt::PlainText);
  version->move(units.X(40), units.Y(10));
  version->adjustSize();

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("1"));
  ok->setGeometry(units.Rect(178, 7, 32, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  m_link = new CHyperLinkEdit(this);
  m_link->setObjectName(QStringLiteral("1010"));
  m_link->setGeometry(units.Rect(14, 88, 181, 12));
}

}  // namespace varnwick
