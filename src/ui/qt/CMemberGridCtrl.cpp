#include "CMemberGridCtrl.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "MemberStates.h"
#include "UiText.h"

namespace varnwick {

namespace {

// Each cell keeps its original bytes: names are matched and sorted exactly as read.
constexpr int kBytesRole = Qt::UserRole;
constexpr int kStateRole = Qt::UserRole + 1;
constexpr int kIconRole = Qt::UserRole + 2;

// Room kept free in a cell, and where text starts from its left edge.
constexpr int kCellSlack = 6;
constexpr int kTextIndent = 4;

std::string CellBytes(const QTreeWidgetItem& item, int column) {
  return item.data(column, kBytesRole).toByteArray().toStdString();
}

}  // namespace

QString CMemberGridCtrl::FitText(const QFontMetrics& metrics, const QString& text, int room) {
  if (metrics.horizontalAdvance(text) <= room) return text;
  static const QString kDots = QStringLiteral("...");
  const int dotsWidth = metrics.horizontalAdvance(kDots);
  QString kept = text;
  while (!kept.isEmpty() && metrics.horizontalAdvance(kept) + dotsWidth > room) kept.chop(1);
  return kept + kDots;
}

namespace {

// Half the icon's own colour, half the highlight: the icon of a highlighted row.
QPixmap Blend(const QPixmap& icon, const QColor& highlight) {
  QPixmap blended = icon;
  QPainter painter(&blended);
  painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  painter.setOpacity(0.5);
  painter.fillRect(blended.rect(), highlight);
  return blended;
}

// Draws every cell: the check box and icon side by side in the check column, then the text.
class CGridDelegate : public QStyledItemDelegate {
 public:
  explicit CGridDelegate(CMemberGridCtrl* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool highlighted = option.state.testFlag(QStyle::State_Selected) && m_grid->hasFocus();
    const QPalette& colours = m_grid->palette();
    const QColor background =
        highlighted ? colours.color(QPalette::Highlight) : m_grid->RowBackground();
    const QColor text = highlighted ? colours.color(QPalette::HighlightedText) : colours.color(QPalette::Text);

    painter->save();
    QRect cell = option.rect;
    painter->fillRect(cell, background);
    if (index.column() == CMemberGridCtrl::kCheckColumn) DrawImages(painter, cell, index, highlighted);
    cell.setLeft(cell.left() + CMemberGridCtrl::ImagesWidth(index.column()));
    painter->setClipRect(cell);
    painter->setPen(text);
    const QString shown = CMemberGridCtrl::FitText(option.fontMetrics, index.data(Qt::DisplayRole).toString(),
                                                   CMemberGridCtrl::TextRoom(index.column(), option.rect.width()));
    painter->drawText(cell.adjusted(kTextIndent, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      shown);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(CMemberGridCtrl::kIconSize, option.fontMetrics.height()) + 2);
    return size;
  }

 private:
  void DrawImages(QPainter* painter, const QRect& cell, const QModelIndex& index, bool highlighted) const {
    int left = cell.left();
    if (m_grid->IsCheckable()) {
      const QPixmap& box = m_grid->CheckImage(index.data(kStateRole).toInt());
      painter->drawPixmap(left, CentredTop(cell, box.height()), box);
    }
    left += CMemberGridCtrl::kCheckImageSize;
    if (const QPixmap* icon = m_grid->MemberIcon(index.data(kIconRole).toInt())) {
      const QPixmap shown = highlighted ? Blend(*icon, m_grid->palette().color(QPalette::Highlight)) : *icon;
      painter->drawPixmap(left, CentredTop(cell, shown.height()), shown);
    }
  }

  static int CentredTop(const QRect& cell, int imageHeight) {
    if (imageHeight >= cell.height()) return cell.top();
    return cell.top() + (cell.height() - imageHeight) / 2;
  }

  CMemberGridCtrl* m_grid;
};

}  // namespace

CMemberGridCtrl::CMemberGridCtrl(QWidget* parent) : QTreeWidget(parent) {
  EnsureResources();
  // The member-kind icons are the grid's own, as its check images are.
  for (int index = 0; index < 6; ++index) m_memberIcons.emplace_back(QStringLiteral(":/res/member%1.png").arg(index));
  setRootIsDecorated(false);
  setIndentation(0);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTextElideMode(Qt::ElideNone);
  setItemDelegate(new CGridDelegate(this));
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  header()->setSectionsClickable(true);

  // Rows keep the window colour; the empty area below them is grey like a scroll bar.
  m_rowBackground = palette().color(QPalette::Base);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, colours.color(QPalette::Button));
  setPalette(colours);
  ConnectSignals();
}

void CMemberGridCtrl::ConnectSignals() {
  connect(header(), &QHeaderView::sectionClicked, this, &CMemberGridCtrl::OnHeaderClicked);
}

void CMemberGridCtrl::SetColumnHeadings(const QStringList& headings) {
  setColumnCount(static_cast<int>(headings.size()));
  setHeaderLabels(headings);
  for (int column = 0; column < headings.size(); ++column)
    headerItem()->setTextAlignment(column, Qt::AlignLeft | Qt::AlignVCenter);
}

void CMemberGridCtrl::SetMemberIcons(const std::vector<QPixmap>& icons) { m_memberIcons = icons; }

const QPixmap* CMemberGridCtrl::MemberIcon(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_memberIcons.size()) return nullptr;
  return &m_memberIcons[static_cast<std::size_t>(index)];
}

int CMemberGridCtrl::ImagesWidth(int column) { return column == kCheckColumn ? kCheckImageSize + kIconSize : 0; }

int CMemberGridCtrl::TextRoom(int column, int cellWidth) { return cellWidth - ImagesWidth(column) - kCellSlack; }

void CMemberGridCtrl::ShareWidth() {
  const int columns = columnCount();
  if (columns == 0) return;
  // The inner width, known before the view has laid out its viewport.
  const int width = contentsRect().width();
  const int share = width / columns;
  for (int column = 0; column < columns; ++column)
    header()->resizeSection(column, column + 1 == columns ? share + width % columns : share);
  m_bFitColumns = true;
}

void CMemberGridCtrl::FitColumnsToViewport() {
  const int columns = columnCount();
  const int width = viewport()->width();
  int total = 0;
  for (int column = 0; column < columns; ++column) total += header()->sectionSize(column);
  if (!m_bFitColumns || columns == 0 || width <= 0 || total == width) return;
  // Each column keeps its share of the width; the last one takes what rounding leaves.
  int given = 0;
  for (int column = 0; column + 1 < columns; ++column) {
    const int size = total > 0 ? static_cast<int>(static_cast<qint64>(header()->sectionSize(column)) * width / total)
                               : width / columns;
    header()->resizeSection(column, size);
    given += size;
  }
  header()->resizeSection(columns - 1, width - given);
}

void CMemberGridCtrl::resizeEvent(QResizeEvent* event) {
  QTreeWidget::resizeEvent(event);
  FitColumnsToViewport();
}

bool CMemberGridCtrl::IsCellCut(const QModelIndex& index) const {
  const QString text = index.data(Qt::DisplayRole).toString();
  const int room = TextRoom(index.column(), header()->sectionSize(index.column()));
  return FitText(fontMetrics(), text, room) != text;
}

bool CMemberGridCtrl::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTreeWidget::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  if (index.isValid() && IsCellCut(index))
    QToolTip::showText(help->globalPos(), index.data(Qt::DisplayRole).toString(), viewport(), visualRect(index));
  else
    QToolTip::hideText();
  return true;
}

void CMemberGridCtrl::SetSortable(bool sortable) { m_bSortable = sortable; }

void CMemberGridCtrl::SetCheckBoxes(bool on) {
  if (on && m_checkImages.empty()) {
    for (int state = 0; state < 3; ++state)
      m_checkImages.emplace_back(QStringLiteral(":/res/check%1.png").arg(state));
  }
  m_bCheckable = on;
  if (on) SetCheckState(-1, kCheckSkip);
  viewport()->update();
}

void CMemberGridCtrl::DeleteAllItems() { clear(); }

int CMemberGridCtrl::AppendRow(const std::string& text, int iconIndex) {
  auto* item = new QTreeWidgetItem;
  item->setData(kCheckColumn, kIconRole, iconIndex);
  item->setData(kCheckColumn, kStateRole, kCheckSkip);
  addTopLevelItem(item);
  const int row = topLevelItemCount() - 1;
  SetItemText(row, 0, text);
  return row;
}

void CMemberGridCtrl::SetItemText(int row, int column, const std::string& text) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (item == nullptr) return;
  item->setData(column, kBytesRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  item->setText(column, ToQString(text));
}

std::string CMemberGridCtrl::ItemText(int row, int column) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item != nullptr ? CellBytes(*item, column) : std::string();
}

int CMemberGridCtrl::IconIndex(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item != nullptr ? item->data(kCheckColumn, kIconRole).toInt() : 0;
}

void CMemberGridCtrl::SetCheckState(int row, int state) {
  if (!m_bCheckable || state < kCheckSkip || state > kCheckList) return;
  if (row == -1) {
    for (int each = 0; each < RowCount(); ++each) topLevelItem(each)->setData(kCheckColumn, kStateRole, state);
    return;
  }
  if (QTreeWidgetItem* item = topLevelItem(row)) item->setData(kCheckColumn, kStateRole, state);
}

int CMemberGridCtrl::GetCheckState(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  if (!m_bCheckable || item == nullptr) return kCheckSkip;
  return item->data(kCheckColumn, kStateRole).toInt();
}

QRect CMemberGridCtrl::CheckBoxRect(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  if (item == nullptr) return {};
  const QRect cell = visualItemRect(item);
  const int left = header()->sectionViewportPosition(kCheckColumn);
  const int top = cell.height() > kCheckImageSize ? cell.top() + (cell.height() - kCheckImageSize) / 2 : cell.top();
  return QRect(left, top, kCheckImageSize, kCheckImageSize);
}

bool CMemberGridCtrl::IsInCheckStrip(const QPoint& point) const {
  const int left = header()->sectionViewportPosition(kCheckColumn);
  return point.x() >= left && point.x() < left + kCheckImageSize;
}

void CMemberGridCtrl::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const QModelIndex index = indexAt(point);
  // A click on the box changes the state only: the selection stays where it was.
  if (event->button() == Qt::LeftButton && m_bCheckable && index.isValid() && IsInCheckStrip(point)) {
    setFocus(Qt::MouseFocusReason);
    emit ToggleRequested(index.row());
    event->accept();
    return;
  }
  QTreeWidget::mousePressEvent(event);
}

void CMemberGridCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && m_bCheckable && index.isValid()) {
    emit ToggleRequested(index.row());
    event->accept();
    return;
  }
  QTreeWidget::mouseDoubleClickEvent(event);
}

void CMemberGridCtrl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && m_bCheckable && currentIndex().isValid())
    emit ToggleRequested(currentIndex().row());
  QTreeWidget::keyPressEvent(event);
}

void CMemberGridCtrl::focusInEvent(QFocusEvent* event) {
  QTreeWidget::focusInEvent(event);
  // Selected rows are highlighted only while the grid has the focus.
  viewport()->update();
}

void CMemberGridCtrl::focusOutEvent(QFocusEvent* event) {
  QTreeWidget::focusOutEvent(event);
  viewport()->update();
}

void CMemberGridCtrl::OnHeaderClicked(int column) {
  if (!m_bSortable || column < 0 || column >= columnCount()) return;
  // The rows come back sorted before the signal returns; a large class takes a moment.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  emit SortRequested(column);
  QApplication::restoreOverrideCursor();
}

}  // namespace varnwick
