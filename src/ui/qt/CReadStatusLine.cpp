#include "CReadStatusLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace varnwick {

CReadStatusLine::CReadStatusLine(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("readProgress"));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  m_text = new QLabel(this);
  m_text->setTextFormat(Qt::PlainText);
  // A growing count must not widen the window: the text is cut instead.
  m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
  m_cancel->setObjectName(QStringLiteral("readCancel"));
  m_cancel->setAutoDefault(false);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 1, 4, 1);
  layout->addWidget(m_text, 1);
  layout->addWidget(m_cancel);
  connect(m_cancel, &QPushButton::clicked, this, &CReadStatusLine::CancelClicked);
  hide();  // until a read takes long
}

void CReadStatusLine::ShowText(const QString& text) {
  m_text->setText(text);
  show();
}

QString CReadStatusLine::Text() const { return m_text->text(); }

}  // namespace varnwick
