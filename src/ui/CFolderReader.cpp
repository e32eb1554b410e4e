#include "CFolderReader.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "CCatalogueReadAhead.h"
#include "CClassFilter.h"
#include "CClassListBox.h"
#include "CFolderSteps.h"
#include "CReadProgress.h"
#include "HeaderFile.h"

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

CFolderReader::CFolderReader(CCatalogue& catalogue, CClassListBox& classList, CReadProgress& progress,
                             QWidget& window)
    : QObject(&window), m_catalogue(catalogue), m_classList(classList), m_progress(progress), m_window(window) {}

void CFolderReader::SetTiming(qint64 progressDelayMs, qint64 refreshIntervalMs) {
  m_nProgressDelayMs = progressDelayMs;
  m_nRefreshIntervalMs = refreshIntervalMs;
}

std::optional<std::string> CFolderReader::Read(const std::string& folder, CFolderDepth depth,
                                               const CClassFilter& filter) {
  m_filter = &filter;
  m_bReading = true;
  m_bCancelled = false;
  m_nFiles = 0;
  m_nFirstNew = m_nShownRecords = m_catalogue.Size();
  m_pendingSelection = nullptr;
  m_nLastRefresh = -m_nRefreshIntervalMs;
  m_clock.start();
  // Scrolling to each new selection lays out the whole list; it is done only when refreshing.
  m_classList.setAutoScroll(false);
  qApp->installEventFilter(this);
  std::optional<std::string> tooLarge;
  try {
    // The headers are read ahead on a second thread; this thread adds them and paints as before.
    const CCatalogueReadAhead readAhead(m_catalogue, std::make_unique<CFolderSteps>(folder, depth));
    AddDirectory(m_catalogue, folder, this, depth);
  } catch (const CFileTooLarge& error) {
    tooLarge = error.Path();
  }
  Finish();
  return tooLarge;
}

void CFolderReader::Finish() {
  qApp->removeEventFilter(this);
  m_progress.hide();
  m_classList.setAutoScroll(true);
  const std::optional<std::size_t> position = m_catalogue.RecordToSelect(*m_filter);
  m_classList.SelectRecord(position ? &m_catalogue.At(*position) : nullptr, m_pendingSelection);
  m_pendingSelection = nullptr;
  if (QListWidgetItem* selected = m_classList.currentItem()) m_classList.scrollToItem(selected);
  m_bReading = false;
}

void CFolderReader::OnFileRead(const std::string& /*path*/, bool foundClasses) {
  ++m_nFiles;
  if (foundClasses) {
    QListWidgetItem* named = nullptr;
    for (std::size_t position = m_nShownRecords; position < m_catalogue.Size(); ++position) {
      const CClassInfo& record = m_catalogue.At(position);
      if (!m_filter->Shows(record.m_strName)) continue;
      QListWidgetItem* item = m_classList.Insert(record);
      // A refill would select the last record named like the file's first class.
      if (record.m_strName == m_catalogue.LastClass()) named = item;
    }
    m_nShownRecords = m_catalogue.Size();
    if (named != nullptr) m_pendingSelection = named;
  }
  const qint64 now = m_clock.elapsed();
  if (now - m_nLastRefresh >= m_nRefreshIntervalMs) {
    m_nLastRefresh = now;
    Refresh();
  }
}

void CFolderReader::Refresh() {
  if (m_pendingSelection != nullptr) {
    m_classList.SelectRow(static_cast<std::size_t>(m_classList.row(m_pendingSelection)));
    m_classList.scrollToItem(m_pendingSelection);
  }
  if (m_clock.elapsed() >= m_nProgressDelayMs) {
    m_progress.SetCounts(m_nFiles, m_catalogue.Size() - m_nFirstNew);
    m_progress.show();
  }
  // Paints the grown list and lets Cancel through; every other input is held back by the filter.
  QCoreApplication::processEvents();
}

bool CFolderReader::IsInWindow(QObject* object) const {
  auto* widget = qobject_cast<QWidget*>(object);
  return widget != nullptr && (widget == &m_window || m_window.isAncestorOf(widget));
}

bool CFolderReader::eventFilter(QObject* watched, QEvent* event) {
  if (!IsUserInput(event->type()) || !IsInWindow(watched)) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (widget == &m_progress || m_progress.isAncestorOf(widget)) return false;
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) Cancel();
  // A drag is refused; anything else is accepted, so that a shortcut does not take the key either.
  if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)
    event->ignore();
  else
    event->accept();
  return true;
}

}  // namespace varnwick
