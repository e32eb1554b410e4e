#pragma once

#include <memory>
#include <optional>

#include "CCatalogue.h"
#include "CReadAhead.h"

namespace varnwick {

// While it lives, the catalogue reads and lists the headers of `walk` ahead on a second thread
// (CReadAhead); at its end the catalogue reads for itself again. On a machine with a single
// processor, or for a catalogue that reads through a source set on it, it does nothing.
class CCatalogueReadAhead {
 public:
  CCatalogueReadAhead(CCatalogue& catalogue, std::unique_ptr<CHeaderWalk> walk);
  CCatalogueReadAhead(const CCatalogueReadAhead&) = delete;
  CCatalogueReadAhead& operator=(const CCatalogueReadAhead&) = delete;
  ~CCatalogueReadAhead();

 private:
  CCatalogue& m_catalogue;
  std::optional<CReadAhead> m_ahead;
};

}  // namespace varnwick
