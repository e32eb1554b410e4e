#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace varnwick {

// Holds back the user's input to a window while it reads a folder, when the window paints between
// headers: only the status line (its Cancel) takes input then, and Escape is handed on. A drag is
// refused. Outside a read the guard lets everything through.
class CReadInputGuard : public QObject {
  Q_OBJECT

 public:
  // `reading` tells whether a read is under way; `escape` is called for Escape during one.
  CReadInputGuard(QWidget& window, QWidget& statusLine, std::function<bool()> reading, std::function<void()> escape);
  ~CReadInputGuard() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool IsIn(const QWidget& outer, QObject* object) const;

  QWidget& m_window;
  QWidget& m_statusLine;
  std::function<bool()> m_reading;
  std::function<void()> m_escape;
};

}  // namespace varnwick
