#pragma once

#include <cstddef>
#include <new>

namespace varnwick {

// Hands out a fresh block of `bytes` that lives as long as the process (see CRecordPool).
char* KeepBlock(std::size_t bytes);

// Slots the size of one record type, cut from large blocks: a header yields thousands of member
// records, and one malloc with its bookkeeping for each is a good part of both the parse time and
// the memory a loaded tree holds. A freed slot goes on the freeing thread's own list, so records
// made on one thread may be freed on another without a lock. Blocks are never given back.
template <class Record>
class CRecordPool {
 public:
  static void* Allocate() {
    Slots& slots = t_slots;
    if (FreeSlot* slot = slots.freed) {
      slots.freed = slot->next;
      return slot;
    }
    if (slots.cursor == slots.end) {
      slots.cursor = KeepBlock(kSlotsPerBlock * kSlotBytes);
      slots.end = slots.cursor + kSlotsPerBlock * kSlotBytes;
    }
    void* slot = slots.cursor;
    slots.cursor += kSlotBytes;
    return slot;
  }

  static void Free(void* slot) noexcept {
    if (slot == nullptr) return;
    t_slots.freed = new (slot) FreeSlot{t_slots.freed};
  }

 private:
  struct FreeSlot {
    FreeSlot* next;
  };
  struct Slots {
    FreeSlot* freed = nullptr;
    char* cursor = nullptr;
    char* end = nullptr;
  };

  static constexpr std::size_t kAlign = alignof(std::max_align_t);
  static constexpr std::size_t kSlotBytes =
      ((sizeof(Record) > sizeof(FreeSlot) ? sizeof(Record) : sizeof(FreeSlot)) + kAlign - 1) & ~(kAlign - 1);
  static constexpr std::size_t kSlotsPerBlock = 512;

  static inline thread_local Slots t_slots;
};

}  // namespace varnwick
