#include "CClassRowDelegate.h"

#include <QApplication>
#include <QPainter>

#include "CListBox.h"

namespace varnwick {

namespace {

// The file name's colour: the palette's secondary text, or on a selected row the selection's
// text a little faded, which stays readable on the selection's background.
QColor DimColour(const QStyleOptionViewItem& option) {
  const QPalette::ColorGroup group = option.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
  if (!option.state.testFlag(QStyle::State_Selected)) return option.palette.color(group, QPalette::PlaceholderText);
  QColor colour = option.palette.color(group, QPalette::HighlightedText);
  colour.setAlpha(170);
  return colour;
}

}  // namespace

CClassRowDelegate::CClassRowDelegate(CListBox* list) : QStyledItemDelegate(list), m_list(list) {}

QSize CClassRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  const QString fileName = index.data(kFileNameRole).toString();
  if (!fileName.isEmpty())
    size.rwidth() += Gap(option.fontMetrics) + option.fontMetrics.horizontalAdvance(fileName);
  size.setHeight(m_list->RowHeight());
  return size;
}

void CClassRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QString fileName = index.data(kFileNameRole).toString();
  if (fileName.isEmpty()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem item(option);
  initStyleOption(&item, index);
  const QString name = item.text;
  item.text.clear();  // the style paints the row's background, selection and focus; the texts are ours
  const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

  const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget).adjusted(2, 0, -2, 0);
  const QFontMetrics& metrics = item.fontMetrics;
  const QString shownName = metrics.elidedText(name, Qt::ElideRight, room.width());
  const bool selected = item.state.testFlag(QStyle::State_Selected);
  painter->save();
  painter->setFont(item.font);
  painter->setPen(item.palette.color(QPalette::Normal, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shownName);
  const int fileLeft = room.left() + metrics.horizontalAdvance(shownName) + Gap(metrics);
  const QRect fileRoom(fileLeft, room.top(), room.right() - fileLeft + 1, room.height());
  if (fileRoom.width() > 0) {
    painter->setPen(DimColour(item));
    painter->drawText(fileRoom, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      metrics.elidedText(fileName, Qt::ElideRight, fileRoom.width()));
  }
  painter->restore();
}

}  // namespace varnwick
