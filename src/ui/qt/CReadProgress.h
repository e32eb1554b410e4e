#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace varnwick {

// The status line under the main window while a folder is read: how many headers have been read
// and how many classes found, and a button that stops the read.
class CReadProgress : public QFrame {
  Q_OBJECT

 public:
  explicit CReadProgress(QWidget* parent = nullptr);

  void SetCounts(std::size_t files, std::size_t classes);
  QString Text() const;
  QPushButton* CancelButton() const { return m_cancel; }

 signals:
  void CancelClicked();

 private:
  QLabel* m_text = nullptr;
  QPushButton* m_cancel = nullptr;
};

}  // namespace varnwick
