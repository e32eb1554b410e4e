#include "CClassListBox.h"

#include <QSignalBlocker>

#include "CClassRowDelegate.h"
#include "CMainShell.h"
#include "UiText.h"

namespace varnwick {

CClassListBox::CClassListBox(QWidget* parent) : CListBox(parent, QStringLiteral("1000")) {
  setItemDelegate(new CClassRowDelegate(this));
}

void CClassListBox::Show(const CMainShell& shell) {
  {
    const QSignalBlocker quiet(this);
    clear();
    for (std::size_t row = 0; row < shell.ClassList().rows.size(); ++row) {
      const CClassInfo& record = shell.ClassAtRow(row);
      AddRecord(ToQString(record.m_strName), &record);
      ShowRow(shell, row);
    }
  }
  SelectRow(shell.ClassList().selectedRow);
}

void CClassListBox::InsertRow(const CMainShell& shell, std::size_t row) {
  const CClassInfo& record = shell.ClassAtRow(row);
  const int top = TopRow();
  const QSignalBlocker quiet(this);
  AddRecord(ToQString(record.m_strName), &record, static_cast<int>(row));
  ShowRow(shell, row);
  // While a read fills the list, the rows the user looks at must not slide away under the pointer.
  if (top > 0 && static_cast<int>(row) < top) scrollToItem(item(top + 1), QAbstractItemView::PositionAtTop);
}

int CClassListBox::TopRow() const {
  const QModelIndex top = indexAt(QPoint(0, 0));
  return top.isValid() ? top.row() : -1;
}

void CClassListBox::ShowRow(const CMainShell& shell, std::size_t row) {
  QListWidgetItem* entry = item(static_cast<int>(row));
  if (entry == nullptr) return;
  const CClassRowLabel label = shell.ClassRowLabel(row);
  entry->setText(ToQString(label.name));
  entry->setData(kFileNameRole, ToQString(label.fileName));
  entry->setToolTip(ToQString(label.path));
}

int CClassListBox::TextWidth(const QListWidgetItem* entry) const {
  const QString fileName = entry->data(kFileNameRole).toString();
  const int nameWidth = CListBox::TextWidth(entry);
  if (fileName.isEmpty()) return nameWidth;
  return nameWidth + CClassRowDelegate::Gap(fontMetrics()) + fontMetrics().horizontalAdvance(fileName);
}

QString CClassListBox::ToolTipOf(const QListWidgetItem* entry) const {
  if (!IsCut(entry)) return entry->toolTip();
  const QString fileName = entry->data(kFileNameRole).toString();
  const QString text = fileName.isEmpty() ? entry->text() : entry->text() + QStringLiteral("  ") + fileName;
  return text + QLatin1Char('\n') + entry->toolTip();
}

void CClassListBox::ShowSelection(const CMainShell& shell, bool bringIntoView) {
  const bool follow = bringIntoView;
  setAutoScroll(follow);
  SelectRow(shell.ClassList().selectedRow);
  setAutoScroll(true);
  if (QListWidgetItem* selected = currentItem(); selected != nullptr && follow) scrollToItem(selected);
}

std::optional<std::size_t> CClassListBox::SelectedRow() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return static_cast<std::size_t>(row(selected.first()));
}

void CClassListBox::SelectRow(std::optional<std::size_t> wanted) {
  const QSignalBlocker quiet(this);
  if (wanted && *wanted < static_cast<std::size_t>(count()))
    setCurrentRow(static_cast<int>(*wanted));
  else
    setCurrentRow(-1);
}

}  // namespace varnwick
