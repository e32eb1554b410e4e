#include "CFolderRead.h"

#include <algorithm>

#include "CCatalogueReadAhead.h"
#include "CFolderSteps.h"
#include "CShellHost.h"
#include "HeaderFile.h"
#include "ListOrder.h"
#include "MessageText.h"

namespace varnwick {

CShellClock SteadyClock() {
  return [] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
  };
}

CFolderRead::CFolderRead(CCatalogue& catalogue, CClassList& list, const CClassFilter& filter, CShellHost& host,
                         const CShellClock& clock)
    : m_catalogue(catalogue), m_list(list), m_filter(filter), m_host(host), m_clock(clock) {}

std::optional<std::string> CFolderRead::Run(const std::string& folder, CFolderDepth depth) {
  m_nFirstNew = m_nShownRecords = m_catalogue.Size();
  m_start = m_clock();
  std::optional<std::string> tooLarge;
  try {
    // The headers are read ahead on a second thread; this one adds them and paints.
    const CCatalogueReadAhead readAhead(m_catalogue, std::make_unique<CFolderSteps>(folder, depth));
    AddDirectory(m_catalogue, folder, this, depth);
  } catch (const CFileTooLarge& error) {
    tooLarge = error.Path();
  }
  Finish();
  return tooLarge;
}

void CFolderRead::OnFileRead(const std::string& /*path*/, bool foundClasses) {
  ++m_nFiles;
  if (foundClasses) InsertNewRows();
  const std::chrono::milliseconds now = m_clock();
  if (m_lastRefresh && now - *m_lastRefresh < kRefreshInterval) return;
  m_lastRefresh = now;
  Refresh();
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
  }
  m_nShownRecords = m_catalogue.Size();
}

void CFolderRead::Refresh() {
  SelectAsARefill();
  if (m_clock() - m_start >= kProgressDelay) {
    const std::size_t classes = m_catalogue.Size() - m_nFirstNew;
    m_host.ShowProgress({m_nFiles, classes, ReadProgressText(m_nFiles, classes)});
    m_bProgressShown = true;
  }
  m_host.Refresh();
}

void CFolderRead::Finish() {
  if (m_bProgressShown) m_host.HideProgress();
  SelectAsARefill();
}

void CFolderRead::SelectAsARefill() {
  const std::optional<std::size_t> before = m_list.selectedRow;
  m_list.selectedRow.reset();
  if (const std::optional<std::size_t> record = m_catalogue.RecordToSelect(m_filter)) m_list.SelectRecord(*record);
  if (m_list.selectedRow != before) m_host.ShowSelection();
}

}  // namespace varnwick
