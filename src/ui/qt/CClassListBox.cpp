#include "CClassListBox.h"

#include <QSignalBlocker>
#include <algorithm>

#include "ListOrder.h"
#include "UiText.h"

namespace varnwick {

CClassListBox::CClassListBox(QWidget* parent) : CListBox(parent, QStringLiteral("1000")) {}

void CClassListBox::Show(const CCatalogue& catalogue, const CClassList& list) {
  {
    const QSignalBlocker quiet(this);
    clear();
    m_rowNames.clear();
    for (std::size_t position : list.rows) {
      const CClassInfo& record = catalogue.At(position);
      AddRecord(ToQString(record.m_strName), &record);
      m_rowNames.push_back(record.m_strName);
    }
  }
  SelectRow(list.selectedRow);
}

QListWidgetItem* CClassListBox::Insert(const CClassInfo& record) {
  const std::vector<std::string_view>& rows = RowNames();
  const std::string_view name = record.m_strName;
  const auto place = std::upper_bound(rows.begin(), rows.end(), name, [](std::string_view a, std::string_view b) {
    return CompareListText(a, b) < 0;
  });
  const int low = static_cast<int>(place - rows.begin());
  m_rowNames.insert(place, name);
  const QSignalBlocker quiet(this);
  return AddRecord(ToQString(record.m_strName), &record, low);
}

const std::vector<std::string_view>& CClassListBox::RowNames() {
  if (m_rowNames.size() != static_cast<std::size_t>(count())) {
    m_rowNames.clear();
    for (int row = 0; row < count(); ++row) m_rowNames.push_back(RecordAt(row)->m_strName);
  }
  return m_rowNames;
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
