#include "CTextBlock.h"

namespace varnwick {

// Large pages need a privilege that users seldom hold; the heap's pages serve.
CTextBlock::CTextBlock(std::size_t bytes) : m_capacity(bytes < kHugeBytes ? kHugeBytes : bytes) {
  m_bytes = new char[m_capacity];
}

CTextBlock::CTextBlock(CTextBlock&& other) noexcept
    : m_bytes(other.m_bytes), m_size(other.m_size), m_capacity(other.m_capacity) {
  other.m_bytes = nullptr;
}

CTextBlock::~CTextBlock() { delete[] m_bytes; }

}  // namespace varnwick
