#pragma once

#include <QListWidget>
#include <QString>

namespace varnwick {

// The item data role that holds a row's record.
inline constexpr int kRecordRole = Qt::UserRole;

// The record a list row stands for.
template <typename T>
T* RecordOf(const QListWidgetItem* item) {
  return reinterpret_cast<T*>(item->data(kRecordRole).value<quintptr>());
}

// A list box of the main window: single selection, rows of one height, a vertical scroll bar and
// no horizontal one. A right or control click selects nothing (the right button only opens the
// context menu), and an entry cut short by the list's width shows its whole text as a tooltip.
class CListBox : public QListWidget {
  Q_OBJECT

 public:
  CListBox(QWidget* parent, const QString& id);

  int RowHeight() const;
  // The height that shows `rows` whole rows inside the frame.
  int HeightForRows(int rows) const;
  // Whether the list's width cuts the entry's text.
  bool IsCut(const QListWidgetItem* item) const;
  // As high as the vertical scroll bar needs: the list never shows a horizontal one.
  QSize minimumSizeHint() const override;
  // Adds an entry for a record at the end, or before `row`.
  QListWidgetItem* AddRecord(const QString& text, const void* record, int row = -1);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  // The width the entry's painted text takes.
  virtual int TextWidth(const QListWidgetItem* item) const;
  // What the pointer over an entry shows: its whole text when the list cuts it, else nothing.
  virtual QString ToolTipOf(const QListWidgetItem* item) const;

 private:
  bool IsIgnoredPress(const QMouseEvent* event) const;
};

}  // namespace varnwick
