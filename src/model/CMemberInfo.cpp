#include "CMemberInfo.h"

#include <new>

#include "CRecordPool.h"

namespace varnwick {

void* CMemberInfo::operator new(std::size_t size) { return NewRecord<CMemberInfo>(size); }

void CMemberInfo::operator delete(void* record, std::size_t size) noexcept { DeleteRecord<CMemberInfo>(record, size); }

std::string CMemberInfo::LineText() const {
  std::string text = m_strType;
  if (m_bPointer) text += '*';
  text += ' ';
  text += m_strName;
  return text;
}

int CMemberInfo::IconIndex() const {
  int icon = 0;
  if (m_bStatic) icon = 3;
  if (m_bConst) icon = m_bStatic ? 5 : 4;
  if (m_bPointer) icon = 2;
  if (m_bDialog) icon = 1;
  return icon;
}

int CMemberInfo::ShownCheckState() const {
  for (const char* kind : {"Doc", "View", "Dlg"}) {
    const std::size_t at = m_strType.find(kind);
    if (at != std::string::npos && at > 0) return kCheckSkip;
  }
  return m_nCheckState;
}

}  // namespace varnwick
