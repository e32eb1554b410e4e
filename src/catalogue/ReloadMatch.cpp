#include "ReloadMatch.h"

#include <algorithm>
#include <map>

namespace varnwick {

CReloadMatch MatchReloadedClasses(const std::vector<std::string>& loaded, const std::vector<std::string>& before,
                                  const std::vector<std::string>& fresh) {
  CReloadMatch match;
  std::vector<bool> used(fresh.size(), false);
  for (const std::string& name : loaded) {
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < fresh.size() && !found; ++i)
      if (!used[i] && fresh[i] == name) found = i;
    if (found) used[*found] = true;
    match.kept.push_back(found);
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
