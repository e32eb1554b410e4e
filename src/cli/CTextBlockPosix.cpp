#include <sys/mman.h>

#include <cstdint>
#include <new>

#include "CTextBlock.h"

namespace varnwick {
namespace {

std::size_t RoundUp(std::size_t bytes) {
  return (bytes + CTextBlock::kHugeBytes - 1) / CTextBlock::kHugeBytes * CTextBlock::kHugeBytes;
}

// A huge page must start on a boundary of its size: one huge page more is mapped, and what lies
// outside the aligned stretch is given back at once.
char* MapAligned(std::size_t capacity) {
  const std::size_t mapped = capacity + CTextBlock::kHugeBytes;
  void* raw = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = (start + CTextBlock::kHugeBytes - 1) & ~std::uintptr_t{CTextBlock::kHugeBytes - 1};
  if (aligned != start) ::munmap(raw, aligned - start);
  const std::size_t tail = start + mapped - (aligned + capacity);
  if (tail != 0) ::munmap(reinterpret_cast<void*>(aligned + capacity), tail);
  auto* bytes = reinterpret_cast<char*>(aligned);
  // Only advice: without huge pages the block is mapped page by page as before.
  ::madvise(bytes, capacity, MADV_HUGEPAGE);
  return bytes;
}

}  // namespace

CTextBlock::CTextBlock(std::size_t bytes) : m_capacity(RoundUp(bytes == 0 ? 1 : bytes)) {
  m_bytes = MapAligned(m_capacity);
}

CTextBlock::CTextBlock(CTextBlock&& other) noexcept
    : m_bytes(other.m_bytes), m_size(other.m_size), m_capacity(other.m_capacity) {
  other.m_bytes = nullptr;
}

CTextBlock::~CTextBlock() {
  if (m_bytes != nullptr) ::munmap(m_bytes, m_capacity);
}

}  // namespace varnwick
