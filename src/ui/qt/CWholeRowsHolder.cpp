#include "CWholeRowsHolder.h"

#include <QResizeEvent>

#include "CListBox.h"

namespace varnwick {

CWholeRowsHolder::CWholeRowsHolder(CListBox* list, int minimumRows, QWidget* parent)
    : QWidget(parent), m_list(list), m_nMinimumRows(minimumRows) {
  m_list->setParent(this);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

int CWholeRowsHolder::MinimumRows() const {
  // No fewer than its scroll bar needs to show whole.
  const int needed = m_list->minimumSizeHint().height() - m_list->HeightForRows(0);
  return std::max(m_nMinimumRows, (needed + m_list->RowHeight() - 1) / m_list->RowHeight());
}

QSize CWholeRowsHolder::sizeHint() const {
  return QSize(m_list->sizeHint().width(), m_list->HeightForRows(MinimumRows()));
}

QSize CWholeRowsHolder::minimumSizeHint() const {
  return QSize(m_list->minimumSizeHint().width(), m_list->HeightForRows(MinimumRows()));
}

void CWholeRowsHolder::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int rows = std::max(MinimumRows(), (height() - m_list->HeightForRows(0)) / m_list->RowHeight());
  m_list->setGeometry(0, 0, width(), m_list->HeightForRows(rows));
}

}  // namespace varnwick
