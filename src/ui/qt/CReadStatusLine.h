#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace varnwick {

// The status line under the main window while a folder is read: the shell's text of how far the
// read has come, and a button that stops the read.
class CReadStatusLine : public QFrame {
  Q_OBJECT

 public:
  explicit CReadStatusLine(QWidget* parent = nullptr);

  // Shows the line with a text.
  void ShowText(const QString& text);
  QString Text() const;
  QPushButton* CancelButton() const { return m_cancel; }

 signals:
  void CancelClicked();

 private:
  QLabel* m_text = nullptr;
  QPushButton* m_cancel = nullptr;
};

}  // namespace varnwick
