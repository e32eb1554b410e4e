#include "ReloadMatch.h"

#include <algorithm>
#include <map>

namespace varnwick {

namespace {

std::optional<std::size_t> NthOfName(const std::vector<std::string>& names, const std::string& name, std::size_t n) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == name && n-- == 0) return i;
  return std::nullopt;
}

}  // namespace

CReloadMatch MatchReloadedClasses(const std::vector<std::size_t>& loaded, const std::vector<std::string>& before,
                                  const std::vector<std::string>& fresh) {
  CReloadMatch match;
  std::vector<bool> used(fresh.size(), false);
  match.kept.resize(loaded.size());
  for (std::size_t k = 0; k < loaded.size(); ++k) {
    const std::string& name = before[loaded[k]];
    const auto n = static_cast<std::size_t>(std::count(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(loaded[k]), name));
    match.kept[k] = NthOfName(fresh, name, n);
    if (match.kept[k]) used[*match.kept[k]] = true;
  }
  for (std::size_t k = 0; k < loaded.size(); ++k) {
    if (match.kept[k]) continue;
    for (std::size_t i = 0; i < fresh.size() && !match.kept[k]; ++i)
      if (!used[i] && fresh[i] == before[loaded[k]]) match.kept[k] = i;
    if (match.kept[k]) used[*match.kept[k]] = true;
  }

  // Of the unused classes of a name, the last ones are those beyond what the header held before.
  std::map<std::string, std::ptrdiff_t> extra;
  for (const std::string& name : fresh) ++extra[name];
  for (const std::string& name : before) --extra[name];
  for (std::size_t i = fresh.size(); i-- > 0;) {
    if (used[i] || extra[fresh[i]] <= 0) continue;
    --extra[fresh[i]];
    match.gained.push_back(i);
  }
  std::reverse(match.gained.begin(), match.gained.end());
  return match;
}

}  // namespace varnwick
