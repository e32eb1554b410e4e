#pragma once

#include <QWidget>

#include "CShellHost.h"

namespace varnwick {

class CElidedLabel;
class CReadStatusLine;

// The row at the bottom of the main window: what the last command did on the left, the selected
// class's header on the right, cut in the middle when long. During a folder read the read's
// progress with its Cancel button lies over the same row, which is always high enough for either:
// nothing above it moves when the progress comes and goes.
class CMainStatusBar : public QWidget {
  Q_OBJECT

 public:
  explicit CMainStatusBar(QWidget* parent = nullptr);

  void ShowStatus(const CStatusLine& status);
  void ShowProgress(const QString& text);
  void HideProgress();

  CReadStatusLine* Progress() const { return m_progress; }
  CElidedLabel* Message() const { return m_message; }
  CElidedLabel* ClassPath() const { return m_path; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void PlaceTexts();
  int Margin() const;

  CElidedLabel* m_message = nullptr;
  CElidedLabel* m_path = nullptr;
  CReadStatusLine* m_progress = nullptr;
};

}  // namespace varnwick
