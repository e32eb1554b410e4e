#include "GenerationFrame.h"

#include "CommonTexts.h"
#include "ListElementResolver.h"

namespace varnwick {

void Append(std::string& out, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) out += piece;
}

namespace {

struct Participant {
  const CMemberInfo* member;
  int state;
};

// The members that take part, each with its state, asked once for both passes.
std::vector<Participant> Participants(const GeneratorDescription& description,
                                      const std::vector<const CMemberInfo*>& members,
                                      const MemberStateLookup& state) {
  std::vector<Participant> result;
  result.reserve(members.size());
  for (const CMemberInfo* member : members) {
    const int memberState = state(member->m_strName);
    if (memberState <= 0) continue;
    if (description.skipStatic && member->m_bStatic) continue;
    result.push_back({member, memberState});
  }
  return result;
}

void RunPass(const PassDescription& pass, bool hasListForm,
             const std::vector<Participant>& participants, CListElementResolver& resolver,
             std::string& body) {
  // Members arrive sorted by type, so one comment heads each run of a type.
  std::string_view previousType;
  int ordinal = 0;
  for (const Participant& participant : participants) {
    const CMemberInfo& member = *participant.member;
    if (member.m_strType != previousType) {
      Append(body, {pass.groupPrefix, member.m_strType, member.m_bPointer ? "*" : "",
                    pass.groupSuffix});
    }
    previousType = member.m_strType;

    MemberItem item(member);
    item.ordinal = ordinal++;
    std::string answer;  // the element class that `item` views
    if (hasListForm && participant.state == kCheckList) {
      item.listForm = true;
      answer = resolver.Resolve(member.m_strType);
      item.notPointerList = answer == kNotPointerList;
      item.element = answer.empty() ? kUnknownElement : std::string_view(answer);
    }
    pass.write(body, item);
  }
}

}  // namespace

std::optional<GeneratedText> RunGenerator(const GeneratorDescription& description,
                                          const CClassInfo& record,
                                          const std::vector<const CMemberInfo*>& members,
                                          const MemberStateLookup& state, bool checkPtrList) {
  if (members.empty()) return std::nullopt;

  const std::vector<Participant> participants = Participants(description, members, state);
  // One resolver for the whole run: it reads the header once and keeps its answers per type,
  // however many list members the class has and in both passes.
  CListElementResolver resolver(record, checkPtrList);

  GeneratedText text;
  text.body = description.head(record);
  for (std::size_t i = 0; i < description.passes.size(); ++i) {
    if (i > 0) text.body += description.middle;
    RunPass(description.passes[i], description.hasListForm, participants, resolver, text.body);
  }
  text.body += description.tail;
  if (description.declaration) text.declaration = description.declaration(record);
  return text;
}

}  // namespace varnwick
