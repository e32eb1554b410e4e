#include "CListBox.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace varnwick {

namespace {

// Rows as high as the font and a little air, whatever the style would make of them, so that the
// height of whole rows is known before any row exists.
class CRowDelegate : public QStyledItemDelegate {
 public:
  explicit CRowDelegate(CListBox* list) : QStyledItemDelegate(list), m_list(list) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(m_list->RowHeight());
    return size;
  }

 private:
  CListBox* m_list;
};

}  // namespace

CListBox::CListBox(QWidget* parent, const QString& id) : QListWidget(parent) {
  setObjectName(id);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextElideMode(Qt::ElideRight);
  setItemDelegate(new CRowDelegate(this));
}

int CListBox::RowHeight() const { return fontMetrics().height() + 2; }

int CListBox::HeightForRows(int rows) const { return rows * RowHeight() + 2 * frameWidth(); }

QSize CListBox::minimumSizeHint() const {
  return QSize(QListWidget::minimumSizeHint().width(), verticalScrollBar()->sizeHint().height() + 2 * frameWidth());
}

bool CListBox::IsCut(const QListWidgetItem* item) const {
  // The style keeps this margin on each side of an entry's text.
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  const int room = std::min(visualItemRect(item).width(), viewport()->width()) - 2 * margin;
  return TextWidth(item) > room;
}

int CListBox::TextWidth(const QListWidgetItem* item) const { return fontMetrics().horizontalAdvance(item->text()); }

QString CListBox::ToolTipOf(const QListWidgetItem* item) const { return IsCut(item) ? item->text() : QString(); }

QListWidgetItem* CListBox::AddRecord(const QString& text, const void* record, int row) {
  auto* item = new QListWidgetItem(text);
  item->setData(kRecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(record)));
  if (row < 0)
    addItem(item);
  else
    insertItem(row, item);
  return item;
}

bool CListBox::IsIgnoredPress(const QMouseEvent* event) const {
  return event->button() == Qt::RightButton || event->modifiers().testFlag(Qt::ControlModifier);
}

void CListBox::mousePressEvent(QMouseEvent* event) {
  if (IsIgnoredPress(event)) {
    event->accept();
    return;
  }
  QListWidget::mousePressEvent(event);
}

void CListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (IsIgnoredPress(event)) {
    event->accept();
    return;
  }
  QListWidget::mouseDoubleClickEvent(event);
}

bool CListBox::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QListWidget::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QListWidgetItem* item = itemAt(help->pos());
  const QString tip = item != nullptr ? ToolTipOf(item) : QString();
  if (!tip.isEmpty())
    QToolTip::showText(help->globalPos(), tip, viewport(), visualItemRect(item));
  else
    QToolTip::hideText();
  return true;
}

}  // namespace varnwick
