#include "CClassListBox.h"

#include <QSignalBlocker>

#include "CMainShell.h"
#include "UiText.h"

namespace varnwick {

CClassListBox::CClassListBox(QWidget* parent) : CListBox(parent, QStringLiteral("1000")) {}

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
  const QSignalBlocker quiet(this);
  AddRecord(ToQString(record.m_strName), &record, static_cast<int>(row));
  ShowRow(shell, row);
}

void CClassListBox::ShowRow(const CMainShell& shell, std::size_t row) {
  QListWidgetItem* entry = item(static_cast<int>(row));
  if (entry == nullptr) return;
  const CClassRowLabel label = shell.ClassRowLabel(row);
  entry->setText(ToQString(label.fileName.empty() ? label.name : label.name + "  " + label.fileName));
  entry->setToolTip(ToQString(label.path));
}

void CClassListBox::ShowSelection(const CMainShell& shell) {
  SelectRow(shell.ClassList().selectedRow);
  if (QListWidgetItem* selected = currentItem()) scrollToItem(selected);
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
