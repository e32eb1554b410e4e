#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace varnwick {

// A message with a list under it, one entry a line (Reload's headers that could not be read):
// the summary on top, the list in a box of its own that scrolls, "OK" below. However long the
// list, the window fits on the screen it opens on.
class CDetailedMessageBox : public QDialog {
  Q_OBJECT

 public:
  CDetailedMessageBox(const QString& summary, const QString& details, QWidget* owner = nullptr);

  QPlainTextEdit* Details() const { return m_details; }

 private:
  // The list shows up to this many lines before it scrolls, screen permitting.
  static constexpr int kShownLines = 12;

  void FitToScreen();
  int WidestLine(const QFontMetrics& metrics) const;

  QLabel* m_summary = nullptr;
  QPlainTextEdit* m_details = nullptr;
  QPushButton* m_ok = nullptr;
};

}  // namespace varnwick
