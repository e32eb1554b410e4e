#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace varnwick {

// A fixed stretch of memory that text is appended to. Its memory comes in kHugeBytes steps and
// asks the system for huge pages where it has them: a listing of megabytes then costs a page
// fault or two instead of one per 4 KB page, which on a virtual machine is milliseconds.
class CTextBlock {
 public:
  static constexpr std::size_t kHugeBytes = 2 * 1024 * 1024;

  // Room for at least `bytes`.
  explicit CTextBlock(std::size_t bytes);
  CTextBlock(CTextBlock&& other) noexcept;
  CTextBlock& operator=(CTextBlock&&) = delete;
  ~CTextBlock();

  std::size_t Room() const { return m_capacity - m_size; }
  // `text` must fit in Room().
  void Append(std::string_view text) {
    std::memcpy(m_bytes + m_size, text.data(), text.size());
    m_size += text.size();
  }
  std::string_view Text() const { return {m_bytes, m_size}; }

 private:
  char* m_bytes;
  std::size_t m_size = 0;
  std::size_t m_capacity;
};

}  // namespace varnwick
