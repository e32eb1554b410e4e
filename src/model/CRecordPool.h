#pragma once

#include <atomic>
#include <cstddef>
#include <mutex>
#include <new>
#include <vector>

namespace varnwick {

// Hands out a fresh block of `bytes` that lives as long as the process (see CRecordPool).
char* KeepBlock(std::size_t bytes);

// Slots the size of one record type, cut from large blocks: a tree of headers yields thousands of
// class and member records, and one malloc with its bookkeeping for each is a good part of both the
// parse time and the memory a loaded tree holds. A freed slot goes on the freeing thread's own
// list, so records made on one thread may be freed on another without a lock; a thread that frees
// more than it makes (records read ahead by another thread) passes its surplus, a batch at a time,
// to a depot that the threads short of slots take from before they cut new ones; a thread that
// ends leaves all its free slots there (ReleaseThreadSlots). Blocks are never given back.
template <class Record>
class CRecordPool {
 public:
  static void* Allocate() {
    Slots& slots = t_slots;
    if (slots.freed == nullptr) TakeBatch(slots);
    if (FreeSlot* slot = slots.freed) {
      slots.freed = slot->next;
      --slots.freedCount;
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

  // The calling thread's free slots go to the depot; a thread calls it as it ends. Not left to a
  // thread-local destructor: where thread-local storage is emulated (MinGW), such a destructor
  // may run on storage already torn down and hand the depot a list of slots still in use.
  static void ReleaseThreadSlots() noexcept {
    Slots& slots = t_slots;
    if (slots.freed == nullptr || !GiveList(slots.freed, slots.freedCount)) return;
    slots.freed = nullptr;
    slots.freedCount = 0;
  }

  static void Free(void* slot) noexcept {
    if (slot == nullptr) return;
    Slots& slots = t_slots;
    slots.freed = new (slot) FreeSlot{slots.freed};
    if (++slots.freedCount >= 2 * kBatchSlots) GiveBatch(slots);
  }

 private:
  struct FreeSlot {
    FreeSlot* next;
  };
  // A thread's own slots; plain data, so that no thread-local destructor is needed.
  struct Slots {
    FreeSlot* freed = nullptr;
    std::size_t freedCount = 0;
    char* cursor = nullptr;
    char* end = nullptr;
  };
  struct Batch {
    FreeSlot* list;
    std::size_t count;
  };
  // Lists of free slots (kBatchSlots each, but for those of threads that ended), shared by all
  // threads.
  struct Depot {
    std::mutex mutex;
    std::vector<Batch> batches;
    std::atomic<std::size_t> count{0};  // looked at without the lock: it is almost always 0
  };

  // The record's own alignment: padding every slot to max_align_t would add 8 bytes to a member.
  static constexpr std::size_t kAlign = alignof(Record) > alignof(FreeSlot) ? alignof(Record) : alignof(FreeSlot);
  static constexpr std::size_t kSlotBytes =
      ((sizeof(Record) > sizeof(FreeSlot) ? sizeof(Record) : sizeof(FreeSlot)) + kAlign - 1) & ~(kAlign - 1);
  static constexpr std::size_t kSlotsPerBlock = 512;
  static constexpr std::size_t kBatchSlots = 256;

  static Depot& SharedDepot() {
    static Depot* const depot = new Depot;  // reachable to the end, like the blocks
    return *depot;
  }

  static void GiveBatch(Slots& slots) noexcept {
    FreeSlot* batch = slots.freed;
    FreeSlot* last = batch;
    for (std::size_t i = 1; i < kBatchSlots; ++i) last = last->next;
    slots.freed = last->next;
    last->next = nullptr;
    slots.freedCount -= kBatchSlots;
    if (!GiveList(batch, kBatchSlots)) {
      // No room to record the batch: the slots stay with this thread.
      last->next = slots.freed;
      slots.freed = batch;
      slots.freedCount += kBatchSlots;
    }
  }

  // False when the depot has no room to record the list.
  static bool GiveList(FreeSlot* list, std::size_t count) noexcept {
    Depot& depot = SharedDepot();
    try {
      const std::lock_guard<std::mutex> lock(depot.mutex);
      depot.batches.push_back({list, count});
      depot.count.store(depot.batches.size(), std::memory_order_relaxed);
      return true;
    } catch (...) {
      return false;
    }
  }

  static void TakeBatch(Slots& slots) {
    Depot& depot = SharedDepot();
    if (depot.count.load(std::memory_order_relaxed) == 0) return;
    const std::lock_guard<std::mutex> lock(depot.mutex);
    if (depot.batches.empty()) return;
    slots.freed = depot.batches.back().list;
    slots.freedCount = depot.batches.back().count;
    depot.batches.pop_back();
    depot.count.store(depot.batches.size(), std::memory_order_relaxed);
  }

  static inline thread_local Slots t_slots;
};

// Under AddressSanitizer every record gets its own allocation, so a use after free is still seen.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kPoolRecords = false;
#else
inline constexpr bool kPoolRecords = true;
#endif

// A record type's operator new and delete: a slot of its pool, or the heap for a larger derived type.
template <class Record>
void* NewRecord(std::size_t size) {
  if (kPoolRecords && size == sizeof(Record)) return CRecordPool<Record>::Allocate();
  return ::operator new(size);
}

template <class Record>
void DeleteRecord(void* record, std::size_t size) noexcept {
  if (kPoolRecords && size == sizeof(Record)) {
    CRecordPool<Record>::Free(record);
  } else {
    ::operator delete(record);
  }
}

}  // namespace varnwick
