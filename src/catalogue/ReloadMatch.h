#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace varnwick {

// How the records of one header carry over when the header is read again.
struct CReloadMatch {
  // For each record still loaded from the header, in catalogue order: the fresh class that takes
  // its place, or none when the header lost it.
  std::vector<std::optional<std::size_t>> kept;
  // Fresh classes the header gained since it was last read, in header order.
  std::vector<std::size_t> gained;
};

// `before`: the names the header held when it was last read, including classes the user has
// deleted since; a fresh class counts as gained only beyond as many as `before` named it.
// `loaded`: for each of the header's records still in the catalogue, in catalogue order, its place
// in `before`. `fresh`: the names it holds now, in header order.
// The n-th class of a name takes the place of the record that was the n-th of that name, so that
// deleting one of two classes of one name keeps the other; when the header now holds fewer of the
// name, a record without its own takes the first one left.
CReloadMatch MatchReloadedClasses(const std::vector<std::size_t>& loaded, const std::vector<std::string>& before,
                                  const std::vector<std::string>& fresh);

}  // namespace varnwick
