#pragma once

#include <QStyledItemDelegate>

namespace varnwick {

class CListBox;

// The item data role that holds the file name a class-list row shows after its class name.
inline constexpr int kFileNameRole = Qt::UserRole + 1;

// Paints a class-list row: the class name and, when the row has one, its header's file name after
// it in the dimmed colour of secondary text. Rows are as high as the list's.
class CClassRowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit CClassRowDelegate(CListBox* list);

  // The room between the name and the file name.
  static int Gap(const QFontMetrics& metrics) { return 2 * metrics.averageCharWidth(); }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  CListBox* m_list;
};

}  // namespace varnwick
