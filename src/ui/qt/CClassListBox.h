#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "CCatalogue.h"
#include "CListBox.h"

namespace varnwick {

// The class list: one entry per shown record of the catalogue, in the order of the catalogue's
// class list. Selections made here by the program are no selection changes of the user's.
class CClassListBox : public CListBox {
  Q_OBJECT

 public:
  explicit CClassListBox(QWidget* parent = nullptr);

  // Refills the list from `list` and makes its selection.
  void Show(const CCatalogue& catalogue, const CClassList& list);
  // Adds an entry at its sorted place, after every entry whose name sorts before or equal to it,
  // so that equal names keep loading order. The selection stays on its record.
  QListWidgetItem* Insert(const CClassInfo& record);

  const CClassInfo* RecordAt(int row) const;
  const CClassInfo* SelectedRecord() const;
  int SelectedRow() const;
  void SelectRow(std::optional<std::size_t> row);
  // Selects the entry of `record` (`hint` first, as it usually is that entry), else the first one.
  void SelectRecord(const CClassInfo* record, QListWidgetItem* hint = nullptr);

 private:
  // The names of the rows in row order, kept beside the entries: Insert's search looks up a row's
  // name some fifteen times per entry, far faster here than through the entry's data and record.
  // Rebuilt from the entries should the two ever differ in length.
  const std::vector<std::string_view>& RowNames();

  std::vector<std::string_view> m_rowNames;
};

}  // namespace varnwick
