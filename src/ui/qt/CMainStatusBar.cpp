#include "CMainStatusBar.h"

#include <QPainter>
#include <algorithm>

#include "CElidedLabel.h"
#include "CReadStatusLine.h"
#include "UiText.h"

namespace varnwick {

CMainStatusBar::CMainStatusBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("statusLine"));
  m_message = new CElidedLabel(Qt::ElideRight, this);
  m_message->setObjectName(QStringLiteral("statusMessage"));
  m_path = new CElidedLabel(Qt::ElideMiddle, this);
  m_path->setObjectName(QStringLiteral("statusClassPath"));
  m_progress = new CReadStatusLine(this);
  m_progress->setAutoFillBackground(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int CMainStatusBar::Margin() const { return fontMetrics().averageCharWidth(); }

QSize CMainStatusBar::sizeHint() const {
  // The line above the texts, and room for whichever of the two stands higher.
  const int height = std::max(m_progress->sizeHint().height(), m_message->sizeHint().height() + 4);
  return QSize(m_message->sizeHint().width() + m_path->sizeHint().width() + 4 * Margin(), height + 1);
}

QSize CMainStatusBar::minimumSizeHint() const {
  return QSize(m_progress->minimumSizeHint().width(), sizeHint().height());
}

void CMainStatusBar::ShowStatus(const CStatusLine& status) {
  m_message->SetText(ToQString(status.message));
  m_path->SetText(ToQString(status.classPath));
  PlaceTexts();
}

void CMainStatusBar::ShowProgress(const QString& text) {
  m_progress->ShowText(text);
  m_message->hide();
  m_path->hide();
}

void CMainStatusBar::HideProgress() {
  m_progress->hide();
  m_message->show();
  m_path->show();
}

void CMainStatusBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_progress->setGeometry(0, 1, width(), height() - 1);
  PlaceTexts();
}

// The path takes what its whole text needs while the message still fits beside it; when both
// cannot, each keeps at least half the row.
void CMainStatusBar::PlaceTexts() {
  const int margin = Margin();
  const int room = std::max(0, width() - 4 * margin);
  const int messageWants = m_message->sizeHint().width();
  const int pathWants = m_path->sizeHint().width();
  const int pathWidth = std::min(pathWants, std::max(room - messageWants, room / 2));
  const int top = 1;
  const int lineHeight = height() - top;
  m_message->setGeometry(margin, top, std::max(0, room - pathWidth), lineHeight);
  m_path->setGeometry(width() - margin - pathWidth, top, pathWidth, lineHeight);
}

void CMainStatusBar::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, 0, width(), 0);
}

}  // namespace varnwick
