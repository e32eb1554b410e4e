#include "CClassListBox.h"

#include <QSignalBlocker>

#include "ListOrder.h"
#include "UiText.h"

namespace varnwick {

CClassListBox::CClassListBox(QWidget* parent) : CListBox(parent, QStringLiteral("1000")) {}

void CClassListBox::Show(const CCatalogue& catalogue, const CClassList& list) {
  {
    const QSignalBlocker quiet(this);
    clear();
    for (std::size_t position : list.rows) {
      const CClassInfo& record = catalogue.At(position);
      AddRecord(ToQString(record.m_strName), &record);
    }
  }
  SelectRow(list.selectedRow);
}

QListWidgetItem* CClassListBox::Insert(const CClassInfo& record) {
  int low = 0;
  int high = count();
  while (low < high) {
    const int middle = (low + high) / 2;
    if (CompareListText(RecordAt(middle)->m_strName, record.m_strName) <= 0)
      low = middle + 1;
    else
      high = middle;
  }
  const QSignalBlocker quiet(this);
  return AddRecord(ToQString(record.m_strName), &record, low);
}

const CClassInfo* CClassListBox::RecordAt(int row) const {
  const QListWidgetItem* entry = item(row);
  return entry != nullptr ? RecordOf<const CClassInfo>(entry) : nullptr;
}

const CClassInfo* CClassListBox::SelectedRecord() const { return RecordAt(SelectedRow()); }

int CClassListBox::SelectedRow() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.first());
}

void CClassListBox::SelectRow(std::optional<std::size_t> wanted) {
  const QSignalBlocker quiet(this);
  if (wanted && *wanted < static_cast<std::size_t>(count()))
    setCurrentRow(static_cast<int>(*wanted));
  else
    setCurrentRow(-1);
}

void CClassListBox::SelectRecord(const CClassInfo* record, QListWidgetItem* hint) {
  if (hint != nullptr && RecordOf<const CClassInfo>(hint) == record) {
    SelectRow(static_cast<std::size_t>(row(hint)));
    return;
  }
  for (int each = 0; each < count(); ++each) {
    if (RecordAt(each) != record) continue;
    SelectRow(static_cast<std::size_t>(each));
    return;
  }
  SelectRow(0);
}

}  // namespace varnwick
