#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnwick {

// Check states of a member row: what the generators do with the member.
enum CheckState : int {
  kCheckSkip = 0,      // "will not generate the code"
  kCheckGenerate = 1,  // "will generate the code"
  kCheckList = 2,      // "special.": a pointer list whose elements are walked in a loop
};

// One declarator of a data member, as the header parser read it.
class CMemberInfo {
 public:
  CMemberInfo() = default;
  // The parser's record: the texts are built once, in place, rather than assigned afterwards.
  CMemberInfo(std::string_view name, std::string_view type) : m_strName(name), m_strType(type) {}
  virtual ~CMemberInfo() = default;

  // Records come from a pool of same-sized slots; see CRecordPool.
  static void* operator new(std::size_t size);
  static void operator delete(void* record, std::size_t size) noexcept;

  // "%s%s %s" of type, "*" for a pointer, name: the member list's entry text.
  std::string LineText() const;
  // 0 plain, 1 dialog member, 2 pointer, 3 static, 4 const, 5 static const.
  int IconIndex() const;
  // The state a grid row starts in: documents, views and dialogs are never ticked by default.
  int ShownCheckState() const;

  std::string m_strName;
  bool m_bPointer = false;
  bool m_bStatic = false;
  bool m_bConst = false;
  bool m_bDialog = false;
  int m_nCheckState = kCheckGenerate;
  std::string m_strType;
};

}  // namespace varnwick
