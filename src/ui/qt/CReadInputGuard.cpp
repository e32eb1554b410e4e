#include "CReadInputGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace varnwick {

namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace

CReadInputGuard::CReadInputGuard(QWidget& window, QWidget& statusLine, std::function<bool()> reading,
                                 std::function<void()> escape)
    : QObject(&window), m_window(window), m_statusLine(statusLine), m_reading(std::move(reading)),
      m_escape(std::move(escape)) {
  // Application-wide: a key reaches the focused control first, wherever it is in the window.
  qApp->installEventFilter(this);
}

CReadInputGuard::~CReadInputGuard() { qApp->removeEventFilter(this); }

bool CReadInputGuard::IsIn(const QWidget& outer, QObject* object) const {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget != nullptr && (widget == &outer || outer.isAncestorOf(widget));
}

bool CReadInputGuard::eventFilter(QObject* watched, QEvent* event) {
  if (!IsUserInput(event->type()) || !IsIn(m_window, watched) || IsIn(m_statusLine, watched) || !m_reading())
    return false;
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) m_escape();
  // A drag is refused; anything else is accepted, so that a shortcut does not take the key either.
  if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)
    event->ignore();
  else
    event->accept();
  return true;
}

}  // namespace varnwick
