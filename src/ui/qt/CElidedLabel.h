#pragma once

#include <QFrame>
#include <QString>

namespace varnwick {

// One line of text that never asks for more width than it is given: a text too long for the line
// is cut with "…" where `mode` says, and shows whole as the tooltip.
class CElidedLabel : public QFrame {
  Q_OBJECT

 public:
  CElidedLabel(Qt::TextElideMode mode, QWidget* parent = nullptr);

  void SetText(const QString& text);
  const QString& Text() const { return m_strText; }
  // The text as painted at the present width.
  QString ShownText() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateToolTip();

  Qt::TextElideMode m_mode;
  QString m_strText;
};

}  // namespace varnwick
