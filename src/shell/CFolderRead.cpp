#include "CFolderRead.h"

#include <algorithm>
#include <optional>

#include "CCatalogueReadAhead.h"
#include "CFolderSteps.h"
#include "CShellHost.h"
#include "HeaderFile.h"
#include "ListOrder.h"
#include "MessageText.h"

namespace varnwick {

CFolderRead::CFolderRead(CCatalogue& catalogue, CClassList& list, const CClassFilter& filter, CShellHost& host,
                         const CShellClock& clock)
    : m_catalogue(catalogue), m_list(list), m_filter(filter), m_host(host), m_pacer(host, clock) {}

CFolderReadResult CFolderRead::Run(const std::string& folder, CFolderDepth depth) {
  m_nShownRecords = m_catalogue.Size();
  m_catalogue.BeginFolder(folder, depth);
  try {
    // The headers are read ahead on a second thread, unless the catalogue reads them from a
    // source of its own; this one adds them and paints.
    std::optional<CCatalogueReadAhead> readAhead;
    if (!m_catalogue.HasSource()) readAhead.emplace(m_catalogue, std::make_unique<CFolderSteps>(folder, depth));
    AddDirectory(m_catalogue, folder, this, depth);
  } catch (const CFileTooLarge& error) {
    m_result.tooLarge = error.Path();
  }
  m_catalogue.EndFolder(!m_result.cancelled && !m_result.tooLarge);
  Finish();
  return m_result;
}

void CFolderRead::OnFileRead(const std::string& /*path*/, bool foundClasses) {
  ++m_result.headers;
  if (foundClasses) m_result.classes += m_catalogue.LastFileClasses();
  if (m_catalogue.LastFileReplaced()) {
    ++m_result.replaced;
    m_bRefill = true;
  }
  if (foundClasses && !m_bRefill) InsertNewRows();
  if (m_pacer.Due()) Refresh();
}

// Each new class goes in after every row whose name sorts before or equal to it: the rows stay
// those a refill would make, without refilling a list of thousands after every header.
void CFolderRead::InsertNewRows() {
  for (std::size_t record = m_nShownRecords; record < m_catalogue.Size(); ++record) {
    const std::string& name = m_catalogue.At(record).m_strName;
    if (!m_filter.Shows(name)) continue;
    const auto place = std::upper_bound(m_list.rows.begin(), m_list.rows.end(), name,
                                        [this](const std::string& text, std::size_t row) {
                                          return CompareListText(text, m_catalogue.At(row).m_strName) < 0;
                                        });
    const auto row = static_cast<std::size_t>(place - m_list.rows.begin());
    m_list.rows.insert(place, record);
    if (m_list.selectedRow && *m_list.selectedRow >= row) ++*m_list.selectedRow;
    m_host.InsertClassRow(row);
    TellNeighbours(row);
  }
  m_nShownRecords = m_catalogue.Size();
}

// A row that now shares its name with the new one shows its header's name too. Rows of one name
// stand together; the new row follows them all.
void CFolderRead::TellNeighbours(std::size_t row) {
  const std::string& name = m_catalogue.At(m_list.rows[row]).m_strName;
  for (std::size_t other = row; other-- > 0;) {
    const std::string& otherName = m_catalogue.At(m_list.rows[other]).m_strName;
    if (CompareListText(otherName, name) != 0) break;
    if (otherName == name) m_host.ShowClassRow(other);
  }
}

void CFolderRead::Refresh() {
  if (m_bRefill) {
    m_list = m_catalogue.SortedClassList(m_filter);
    m_host.ShowClassList();
    m_nShownRecords = m_catalogue.Size();
  } else {
    SelectAsARefill(false);
  }
  m_pacer.Refresh(m_result.headers, m_result.classes, ReadProgressText(m_result.headers, m_result.classes));
}

void CFolderRead::Finish() {
  m_pacer.Finish();
  if (m_bRefill) {
    m_list = m_catalogue.SortedClassList(m_filter);
    m_host.ShowClassList();
  } else {
    SelectAsARefill(true);
  }
}

void CFolderRead::SelectAsARefill(bool bringIntoView) {
  const std::optional<std::size_t> before = m_list.selectedRow;
  m_list.selectedRow.reset();
  if (const std::optional<std::size_t> record = m_catalogue.RecordToSelect(m_filter)) m_list.SelectRecord(*record);
  // At the end the selection is brought into view even where it stayed: the read did not.
  if (m_list.selectedRow != before || bringIntoView) m_host.ShowSelection(bringIntoView);
}

}  // namespace varnwick
