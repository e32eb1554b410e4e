#include "Generation.h"

#include "HeaderFile.h"

namespace varnwick {

CGeneration RunGenerator(GeneratorKind kind, const CClassInfo& record, const std::vector<const CMemberInfo*>& listOrder,
                         const std::vector<CMemberRow>& rows, bool checkPtrList) {
  const CMemberStateIndex states(rows);
  const MemberStateLookup lookup = [&states](const std::string& name) { return states.Find(name); };
  try {
    return {Generate(kind, record, listOrder, lookup, checkPtrList), std::nullopt};
  } catch (const CFileTooLarge& error) {
    return {std::nullopt, error.Path()};
  }
}

}  // namespace varnwick
