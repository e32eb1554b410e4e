#pragma once

#include <nlohmann/json_fwd.hpp>
#include <ostream>

#include "CCatalogue.h"

namespace varnwick {

// The catalogue as `varnwick-cli dump` prints it: every class in catalogue order with its members
// in header order, the member-list order, and the class the class list selects.
nlohmann::json CatalogueToJson(const CCatalogue& catalogue);

// Writes the same text as CatalogueToJson(catalogue).dump(2), one member at a time: the whole
// document is never held, so a header dense with members needs little more memory than its
// catalogue.
void WriteCatalogueJson(const CCatalogue& catalogue, std::ostream& out);

}  // namespace varnwick
