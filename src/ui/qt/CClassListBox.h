#pragma once

#include <cstddef>
#include <optional>

#include "CListBox.h"

namespace varnwick {

class CClassInfo;
class CMainShell;

// The class list: one entry per row of the shell's class list. Selections made here by the
// program are no selection changes of the user's.
class CClassListBox : public CListBox {
  Q_OBJECT

 public:
  explicit CClassListBox(QWidget* parent = nullptr);

  // Refills the list from the shell's rows and makes its selection.
  void Show(const CMainShell& shell);
  // Adds the entry of the shell's row `row` before the entry now at that row. The rows in view stay
  // where they are when the entry goes in above them.
  void InsertRow(const CMainShell& shell, std::size_t row);
  // Brings the entry of the shell's row `row` up to date.
  void ShowRow(const CMainShell& shell, std::size_t row);
  // Selects the shell's selected row and scrolls to it.
  void ShowSelection(const CMainShell& shell, bool bringIntoView);

  std::optional<std::size_t> SelectedRow() const;

 protected:
  int TextWidth(const QListWidgetItem* item) const override;
  // The header's path, below the whole row text when the list cuts it.
  QString ToolTipOf(const QListWidgetItem* item) const override;

 private:
  void SelectRow(std::optional<std::size_t> row);
  // The first row in view, or -1 in an empty list.
  int TopRow() const;
};

}  // namespace varnwick
