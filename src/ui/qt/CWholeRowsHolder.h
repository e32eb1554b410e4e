#pragma once

#include <QWidget>

namespace varnwick {

class CListBox;

// Gives a list box the room a layout hands out, less what would show a row only in part: the list
// stands at the top, as high as the whole rows that fit, and never shows fewer than `minimumRows`.
class CWholeRowsHolder : public QWidget {
  Q_OBJECT

 public:
  CWholeRowsHolder(CListBox* list, int minimumRows, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  int MinimumRows() const;

  CListBox* m_list;
  int m_nMinimumRows;
};

}  // namespace varnwick
