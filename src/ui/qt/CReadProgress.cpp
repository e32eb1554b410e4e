#include "CReadProgress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace varnwick {

CReadProgress::CReadProgress(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("readProgress"));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  m_text = new QLabel(this);
  m_text->setTextFormat(Qt::PlainText);
  m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
  m_cancel->setObjectName(QStringLiteral("readCancel"));
  m_cancel->setAutoDefault(false);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 1, 4, 1);
  layout->addWidget(m_text, 1);
  layout->addWidget(m_cancel);
  connect(m_cancel, &QPushButton::clicked, this, &CReadProgress::CancelClicked);
  SetCounts(0, 0);
}

void CReadProgress::SetCounts(std::size_t files, std::size_t classes) {
  m_text->setText(QStringLiteral("Reading headers: %1 files read, %2 classes found").arg(files).arg(classes));
}

QString CReadProgress::Text() const { return m_text->text(); }

}  // namespace varnwick
