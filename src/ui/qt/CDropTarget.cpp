#include "CDropTarget.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "UiText.h"

namespace varnwick {

CDropTarget::CDropTarget(QWidget* window) : QObject(window), m_window(window) {
  m_window->setAcceptDrops(true);
  m_window->installEventFilter(this);
}

std::vector<CDroppedPath> CDropTarget::PathsOf(const QMimeData* data) {
  std::vector<CDroppedPath> paths;
  if (data == nullptr || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    paths.push_back({ToBytes(QDir::toNativeSeparators(path)), QFileInfo(path).isDir()});
  }
  return paths;
}

bool CDropTarget::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_window) return false;
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  std::vector<CDroppedPath> paths = PathsOf(drop->mimeData());
  if (paths.empty() || !m_window->isEnabled()) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  // Loaded once the drop is over, so that the program the items came from is not kept waiting.
  if (type == QEvent::Drop) QTimer::singleShot(0, this, [this, paths] { emit Dropped(paths); });
  return true;
}

}  // namespace varnwick
