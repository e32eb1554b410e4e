#pragma once

#include <ext/atomicity.h>

#include <string>
#include <utility>

namespace varnwick {

// A text that many records hold at once without a copy each: every member of a class carries its
// class's name. Reads as a std::string; assigning a new text never changes what other holders see.
// One pointer wide, to a block that holds the count of holders and the text: a member record is
// smaller by the second pointer a shared_ptr would take. The count is changed atomically only
// once the program runs more than one thread, as shared_ptr's is.
class CSharedText {
 public:
  CSharedText() = default;
  explicit CSharedText(std::string text) : m_block(new Block{1, std::move(text)}) {}
  CSharedText(const CSharedText& other) noexcept : m_block(other.m_block) { Hold(); }
  CSharedText& operator=(const CSharedText& other) noexcept {
    CSharedText copy(other);
    std::swap(m_block, copy.m_block);
    return *this;
  }
  ~CSharedText() { Release(); }

  CSharedText& operator=(std::string text) {
    CSharedText fresh(std::move(text));
    std::swap(m_block, fresh.m_block);
    return *this;
  }

  const std::string& Text() const { return m_block != nullptr ? m_block->text : Empty(); }
  operator const std::string&() const { return Text(); }
  bool operator==(const CSharedText& other) const { return Text() == other.Text(); }

 private:
  struct Block {
    _Atomic_word holders;
    const std::string text;
  };

  static const std::string& Empty() {
    static const std::string empty;
    return empty;
  }
  void Hold() noexcept {
    if (m_block != nullptr) __gnu_cxx::__atomic_add_dispatch(&m_block->holders, 1);
  }
  void Release() noexcept {
    if (m_block != nullptr && __gnu_cxx::__exchange_and_add_dispatch(&m_block->holders, -1) == 1) delete m_block;
  }

  Block* m_block = nullptr;
};

}  // namespace varnwick
