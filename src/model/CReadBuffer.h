#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace varnwick {

// The memory one file is read into, kept for the next file: a folder of headers is then read
// without an allocation per file, and without clearing bytes that the read overwrites anyway.
class CReadBuffer {
 public:
  // Room for `size` bytes; what the buffer held before is lost.
  char* Room(std::size_t size) {
    if (size > m_capacity) {
      // Doubling from 64 KB: a few steps reach the largest header a folder holds.
      std::size_t capacity = m_capacity == 0 ? kFirstCapacity : m_capacity;
      while (capacity < size) capacity *= 2;
      m_bytes = std::make_unique_for_overwrite<char[]>(capacity);
      m_capacity = capacity;
    }
    return m_bytes.get();
  }
  // Room for `size` bytes that keeps the bytes already held.
  char* Grow(std::size_t size) {
    if (size <= m_capacity) return m_bytes.get();
    std::unique_ptr<char[]> held = std::move(m_bytes);
    const std::size_t heldSize = m_capacity;
    m_capacity = 0;
    char* room = Room(size);
    if (heldSize != 0) std::memcpy(room, held.get(), heldSize);
    return room;
  }
  // What the buffer holds without growing: at least the first capacity.
  std::size_t Capacity() const { return m_capacity == 0 ? kFirstCapacity : m_capacity; }
  // The first `size` bytes, as the last read left them.
  std::string_view View(std::size_t size) const { return {m_bytes.get(), size}; }

 private:
  static constexpr std::size_t kFirstCapacity = 64 * 1024;

  std::unique_ptr<char[]> m_bytes;
  std::size_t m_capacity = 0;
};

}  // namespace varnwick
