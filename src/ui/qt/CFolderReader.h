#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <optional>
#include <string>

#include "AddDirectory.h"

class QListWidgetItem;
class QWidget;

namespace varnwick {

class CClassFilter;
class CClassListBox;
class CReadProgress;

// Reads a folder into the catalogue while the window shows the class list growing. A read that
// takes longer than half a second shows the status line with its counts and Cancel; Cancel (or
// Escape, or closing the window) stops it after the header being read, keeping what was read.
// While a folder is read the window takes no other input.
class CFolderReader : public QObject, private CAddDirectoryListener {
  Q_OBJECT

 public:
  static constexpr qint64 kProgressDelayMs = 500;
  // The window is brought up to date at most this often: the list still visibly grows and Cancel
  // answers at once, but painting does not outweigh reading.
  static constexpr qint64 kRefreshIntervalMs = 30;

  CFolderReader(CCatalogue& catalogue, CClassListBox& classList, CReadProgress& progress, QWidget& window);

  // Reads the headers, adding the ones `filter` shows to the class list at their sorted places,
  // and ends with the selection a refill would make. Answers the header over the size limit that
  // ended the read, if one did.
  std::optional<std::string> Read(const std::string& folder, CFolderDepth depth, const CClassFilter& filter);
  bool IsReading() const { return m_bReading; }
  // For tests, which read small folders in a moment.
  void SetTiming(qint64 progressDelayMs, qint64 refreshIntervalMs);
  bool WasCancelled() const { return m_bCancelled; }
  void Cancel() { m_bCancelled = true; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnFileRead(const std::string& path, bool foundClasses) override;
  bool IsCancelled() const override { return m_bCancelled; }
  void Refresh();
  void Finish();
  bool IsInWindow(QObject* object) const;

  CCatalogue& m_catalogue;
  CClassListBox& m_classList;
  CReadProgress& m_progress;
  QWidget& m_window;
  const CClassFilter* m_filter = nullptr;
  bool m_bReading = false;
  bool m_bCancelled = false;
  std::size_t m_nFiles = 0;
  std::size_t m_nFirstNew = 0;     // catalogue size when the read began
  std::size_t m_nShownRecords = 0;  // records already looked at for the class list
  QListWidgetItem* m_pendingSelection = nullptr;  // the entry a refill would select now
  QElapsedTimer m_clock;
  qint64 m_nLastRefresh = 0;
  qint64 m_nProgressDelayMs = kProgressDelayMs;
  qint64 m_nRefreshIntervalMs = kRefreshIntervalMs;
};

}  // namespace varnwick
