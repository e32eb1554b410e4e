#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varnwick {

// Where the bytes that divide a declaration stand in one line: one bit per byte for a line of up
// to 64 bytes, found a chunk at a time where the processor compares a chunk at once, so that each of the declaration reader's many small
// searches is a few bit operations. A longer line is searched directly.
class CLineBytes {
 public:
  enum Kind { kBlankOrTab, kAngle, kComma, kStar, kParen, kColon, kKinds };

  // How the line is indexed: the way that suits the processor, or either one (they agree).
  enum class Indexing { kChosen, kByBytes, kByChunks };

  explicit CLineBytes(std::string_view line, Indexing indexing = Indexing::kChosen);

  // The position in `part`, a piece of the line, of its first byte of that kind (for kBlankOrTab
  // a blank or a tab; for kParen ")"), or npos.
  std::size_t Find(std::string_view part, Kind kind) const {
    if (part.empty()) return std::string_view::npos;
    if (!m_indexed) return FindDirectly(part, kind);
    const auto offset = static_cast<std::size_t>(part.data() - m_line.data());
    std::uint64_t bits = m_masks[kind] >> offset;
    if (part.size() < kIndexedBytes) bits &= (std::uint64_t{1} << part.size()) - 1;
    return bits == 0 ? std::string_view::npos : static_cast<std::size_t>(std::countr_zero(bits));
  }
  bool Holds(std::string_view part, Kind kind) const { return Find(part, kind) != std::string_view::npos; }

 private:
  static constexpr std::size_t kIndexedBytes = 64;

  static std::size_t FindDirectly(std::string_view part, Kind kind);
  void IndexShortLine();
  void IndexChunks();

  std::string_view m_line;
  bool m_indexed = false;
  std::array<std::uint64_t, kKinds> m_masks{};
};

}  // namespace varnwick
