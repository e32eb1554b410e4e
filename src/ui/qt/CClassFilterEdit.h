#pragma once

#include <QLineEdit>

#include "CClassFilter.h"

namespace varnwick {

// The one-line filter above the class list. Escape clears it; Enter and the Down arrow hand the
// keyboard on to the class list. Dropped files are the window's, not text for the filter.
class CClassFilterEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CClassFilterEdit(QWidget* parent = nullptr);

  const CClassFilter& Filter() const { return m_filter; }

 signals:
  void FilterChanged();
  void LeaveForList();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CClassFilter m_filter;
};

}  // namespace varnwick
