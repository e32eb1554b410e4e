#pragma once

#include <nlohmann/json.hpp>

#include "CCatalogue.h"

namespace varnwick {

// The catalogue as `varnwick-cli dump` prints it: every class in catalogue order with its members
// in header order, the member-list order, and the class the class list selects.
nlohmann::json CatalogueToJson(const CCatalogue& catalogue);

}  // namespace varnwick
