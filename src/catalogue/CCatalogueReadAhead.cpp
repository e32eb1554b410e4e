#include "CCatalogueReadAhead.h"

#include <thread>

namespace varnwick {

CCatalogueReadAhead::CCatalogueReadAhead(CCatalogue& catalogue, std::unique_ptr<CHeaderWalk> walk)
    : m_catalogue(catalogue) {
  // The read-ahead reads files: a catalogue given a source of its own keeps reading through it.
  // The source is asked first: asking for the cores reads the system's files each time.
  if (catalogue.HasSource() || std::thread::hardware_concurrency() == 1) return;
  m_ahead.emplace(std::move(walk), CReadAhead::kDefaultWindow, catalogue.MemberDetail());
  catalogue.SetSource(&*m_ahead);
}

CCatalogueReadAhead::~CCatalogueReadAhead() {
  if (m_ahead) m_catalogue.SetSource(nullptr);
}

}  // namespace varnwick
