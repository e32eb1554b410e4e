#pragma once

#include <QFontMetrics>
#include <QPixmap>
#include <QStringList>
#include <QTreeWidget>
#include <string>
#include <vector>


namespace varnwick {

// The report list of a class's members: per row a three-state check box, a member-kind icon, the
// type and the name. It paints the rows and states it is given; a click on a row's box, a
// double-click on a row or Space asks for the row's state to change, and a click on a heading asks
// for the rows to be sorted by that column.
class CMemberGridCtrl : public QTreeWidget {
  Q_OBJECT

 public:
  static constexpr int kCheckColumn = 0;
  static constexpr int kCheckImageSize = 13;
  static constexpr int kIconSize = 16;

  explicit CMemberGridCtrl(QWidget* parent = nullptr);

  void SetColumnHeadings(const QStringList& headings);
  void SetMemberIcons(const std::vector<QPixmap>& icons);
  // Gives each column an equal share of the visible width; the last one takes the remainder. From
  // then on the columns keep their shares of the width as the grid's inner width changes, so that
  // they always fill it without a horizontal scroll bar.
  void ShareWidth();
  // Whether a click on a heading asks for sorting.
  void SetSortable(bool sortable);
  void SetCheckBoxes(bool on);
  bool IsCheckable() const { return m_bCheckable; }

  void DeleteAllItems();
  int RowCount() const { return topLevelItemCount(); }
  // Appends a row with the text of the first column and a member-kind icon; answers its index.
  int AppendRow(const std::string& text, int iconIndex);
  void SetItemText(int row, int column, const std::string& text);
  std::string ItemText(int row, int column) const;
  int IconIndex(int row) const;

  // Row -1 sets every row. Ignored unless check boxes are on and the state is 0, 1 or 2.
  void SetCheckState(int row, int state);
  int GetCheckState(int row) const;
  // A text cut from its end until it fits `room` with "..." appended; whole when it fits.
  static QString FitText(const QFontMetrics& metrics, const QString& text, int room);
  // Where the check box of a row is drawn, in viewport coordinates.
  QRect CheckBoxRect(int row) const;
  // The width of the images before a column's text, and the room left for the text in a cell.
  static int ImagesWidth(int column);
  static int TextRoom(int column, int cellWidth);
  // Whether a cell shows its text cut short; such a cell shows its whole text as a tooltip.
  bool IsCellCut(const QModelIndex& index) const;

  const QPixmap& CheckImage(int state) const { return m_checkImages[static_cast<std::size_t>(state)]; }
  const QPixmap* MemberIcon(int index) const;
  const QColor& RowBackground() const { return m_rowBackground; }

 signals:
  void ToggleRequested(int row);
  void SortRequested(int column);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private slots:
  void OnHeaderClicked(int column);

 private:
  void ConnectSignals();
  bool IsInCheckStrip(const QPoint& point) const;
  void FitColumnsToViewport();

  bool m_bSortable = false;
  bool m_bCheckable = false;
  bool m_bFitColumns = false;
  std::vector<QPixmap> m_checkImages;
  std::vector<QPixmap> m_memberIcons;
  QColor m_rowBackground;
};

}  // namespace varnwick
