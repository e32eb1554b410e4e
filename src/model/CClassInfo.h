#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CMemberInfo.h"

namespace varnwick {

// How much a parse keeps of each data member: a record each, or only their number (for a listing
// that shows the count and never a member: it need not make and free thousands of records).
enum class CMemberDetail { kRecords, kCount };

// One class read from a header: its name, base text, file and data members in header order.
class CClassInfo {
 public:
  CClassInfo() = default;
  CClassInfo(const CClassInfo&) = delete;
  CClassInfo& operator=(const CClassInfo&) = delete;
  virtual ~CClassInfo() = default;

  // Records come from a pool of same-sized slots, as member records do; see CRecordPool.
  static void* operator new(std::size_t size);
  static void operator delete(void* record, std::size_t size) noexcept;

  // Reads the header named by m_strFile into `text` and parses its first class; m_strRest then
  // views into `text`. False when the file does not exist or holds no class head.
  // Throws CFileTooLarge for a header over kMaxHeaderBytes.
  bool LoadFromFile(std::string& text);
  // Parses the first class of `text`; true when a class head was found.
  bool LoadFromText(std::string_view text, CMemberDetail detail = CMemberDetail::kRecords);
  // The parser proper: fills name, base and members (or only m_nCountedMembers, for kCount);
  // m_strRest is the unread text from the next class head on (a view into `text`), or empty.
  void Parse(std::string_view text, CMemberDetail detail = CMemberDetail::kRecords);

  // The number of data members, whichever detail the parse kept.
  std::size_t MemberCount() const { return m_pMembers.size() + m_nCountedMembers; }

  // The element class of a list member of this class: a class name, "" (unknown) or "***" (not a
  // pointer list). Reads the class's header when the type is a plain name.
  std::string GetListElementClass(std::string_view type, bool checkPtrList) const;

  std::vector<std::unique_ptr<CMemberInfo>> m_pMembers;
  std::string m_strName;
  std::string m_strBase;
  std::string m_strFile;
  std::string_view m_strRest;
  std::size_t m_nCountedMembers = 0;  // members a kCount parse found; they have no record
};

// A thread that made or freed class and member records hands its free record slots to the other
// threads; it calls this as it ends.
void ReleaseThreadRecordSlots() noexcept;

}  // namespace varnwick
