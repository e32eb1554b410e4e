#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace varnwick {

// How the records of one header carry over when the header is read again.
struct CReloadMatch {
  // For each record still loaded from the header, in catalogue order: the fresh class that takes
  // its place (the first unused one of the same name), or none when the header lost it.
  std::vector<std::optional<std::size_t>> kept;
  // Fresh classes the header gained since it was last read, in header order.
  std::vector<std::size_t> gained;
};

// `loaded`: the names of the header's records still in the catalogue, in catalogue order.
// `before`: the names the header held when it was last read, including classes the user has
// deleted since; a fresh class counts as gained only beyond as many as `before` named it.
// `fresh`: the names it holds now, in header order.
CReloadMatch MatchReloadedClasses(const std::vector<std::string>& loaded, const std::vector<std::string>& before,
                                  const std::vector<std::string>& fresh);

}  // namespace varnwick
