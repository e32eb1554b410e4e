#include "CClassFilterEdit.h"

#include <QKeyEvent>

namespace varnwick {

CClassFilterEdit::CClassFilterEdit(QWidget* parent) : QLineEdit(parent) {
  setObjectName(QStringLiteral("classFilter"));
  setPlaceholderText(QStringLiteral("Filter classes"));
  setClearButtonEnabled(true);
  setAcceptDrops(false);
}

void CClassFilterEdit::keyPressEvent(QKeyEvent* event) {
  // An empty field lets Escape go on to the window, as in every other control.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !text().isEmpty()) {
    clear();
    event->accept();
    return;
  }
  const bool onward = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Down;
  if (onward && event->modifiers() == Qt::NoModifier) {
    emit LeaveForList();
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace varnwick
