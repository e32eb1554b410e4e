#include "CDetailedMessageBox.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

namespace varnwick {

CDetailedMessageBox::CDetailedMessageBox(const QString& summary, const QString& details, QWidget* owner)
    : QDialog(owner) {
  setWindowTitle(QStringLiteral("Varnwick"));
  m_summary = new QLabel(summary, this);
  m_summary->setTextFormat(Qt::PlainText);
  m_summary->setWordWrap(true);
  m_details = new QPlainTextEdit(this);
  m_details->setObjectName(QStringLiteral("details"));
  m_details->setReadOnly(true);
  m_details->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_details->setPlainText(details);
  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_summary);
  layout->addWidget(m_details, 1);
  layout->addLayout(buttons);
  FitToScreen();
  m_ok->setFocus();
}

void CDetailedMessageBox::FitToScreen() {
  const QFontMetrics metrics = m_details->fontMetrics();
  const int frame = 2 * m_details->frameWidth() + 8;
  m_details->setMinimumHeight(3 * metrics.lineSpacing() + frame);
  const QScreen* shown = screen();
  const QRect room = shown != nullptr ? shown->availableGeometry() : QRect(0, 0, 1024, 768);
  // A little air left for the window's frame and title.
  const int tallest = std::max(minimumSizeHint().height(), room.height() - 2 * metrics.height());
  setMaximumHeight(tallest);
  const int lines = std::min<int>(kShownLines, std::max(3, m_details->blockCount()));
  const int wanted = sizeHint().height() - m_details->sizeHint().height() + lines * metrics.lineSpacing() + frame;
  // As wide as the longest line, within the screen's width.
  const int widest = WidestLine(metrics) + frame + m_details->verticalScrollBar()->sizeHint().width() +
                     layout()->contentsMargins().left() + layout()->contentsMargins().right();
  const int width = std::clamp(widest, metrics.averageCharWidth() * 50, room.width() * 4 / 5);
  resize(std::max(width, minimumSizeHint().width()), std::min(wanted, tallest));
}

int CDetailedMessageBox::WidestLine(const QFontMetrics& metrics) const {
  int widest = 0;
  for (QTextBlock line = m_details->document()->begin(); line.isValid(); line = line.next())
    widest = std::max(widest, metrics.horizontalAdvance(line.text()));
  return widest;
}

}  // namespace varnwick
