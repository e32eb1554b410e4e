#pragma once

#include <QObject>
#include <vector>

#include "CMainShell.h"

class QMimeData;

namespace varnwick {

// Takes the files and folders dragged onto a window, in the order the drag gives them, and hands
// them on once the drop has ended.
class CDropTarget : public QObject {
  Q_OBJECT

 public:
  explicit CDropTarget(QWidget* window);

  // The local files and folders a drag carries; empty when it carries none.
  static std::vector<CDroppedPath> PathsOf(const QMimeData* data);

 signals:
  void Dropped(const std::vector<varnwick::CDroppedPath>& paths);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* m_window;
};

}  // namespace varnwick
