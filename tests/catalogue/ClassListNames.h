#pragma once

#include <string>
#include <vector>

#include "CCatalogue.h"

namespace varnwick::test {

// The names a class list shows, row by row.
inline std::vector<std::string> ShownNames(const CCatalogue& catalogue, const CClassList& list) {
  std::vector<std::string> names;
  for (std::size_t record : list.rows) names.push_back(catalogue.At(record).m_strName);
  return names;
}

// The name on the selected row, or "<none>".
inline std::string SelectedName(const CCatalogue& catalogue, const CClassList& list) {
  const auto record = list.SelectedRecord();
  return record ? catalogue.At(*record).m_strName : "<none>";
}

}  // namespace varnwick::test
