#include "CElidedLabel.h"

#include <QPainter>

namespace varnwick {

CElidedLabel::CElidedLabel(Qt::TextElideMode mode, QWidget* parent) : QFrame(parent), m_mode(mode) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void CElidedLabel::SetText(const QString& text) {
  if (text == m_strText) return;
  m_strText = text;
  UpdateToolTip();
  update();
}

QString CElidedLabel::ShownText() const {
  return fontMetrics().elidedText(m_strText, m_mode, contentsRect().width());
}

QSize CElidedLabel::sizeHint() const {
  const QMargins margins = contentsMargins();
  return QSize(fontMetrics().horizontalAdvance(m_strText), fontMetrics().height()) +
         QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize CElidedLabel::minimumSizeHint() const { return QSize(0, sizeHint().height()); }

void CElidedLabel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(contentsRect(), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, ShownText());
}

void CElidedLabel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  UpdateToolTip();
}

void CElidedLabel::UpdateToolTip() { setToolTip(ShownText() != m_strText ? m_strText : QString()); }

}  // namespace varnwick
