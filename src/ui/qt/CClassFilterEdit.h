#pragma once

#include <QLineEdit>

namespace varnwick {

// The one-line filter above the class list. Escape clears it; Enter and the Down arrow hand the
// keyboard on to the class list. Dropped files are the window's, not text for the filter.
class CClassFilterEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CClassFilterEdit(QWidget* parent = nullptr);

 signals:
  void LeaveForList();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace varnwick
