#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "CClassInfo.h"
#include "CRecordPool.h"

namespace varnwick {
namespace {

struct Slab {
  char bytes[40];
};

TEST(RecordStorageTest, PoolSlotsAreDistinctWhileLiveAndReusedOnceFreed) {
  std::vector<void*> live;
  for (int i = 0; i < 2000; ++i) live.push_back(CRecordPool<Slab>::Allocate());  // spans several blocks
  std::vector<char*> sorted;
  for (void* slot : live) sorted.push_back(static_cast<char*>(slot));
  std::sort(sorted.begin(), sorted.end());
  for (std::size_t i = 1; i < sorted.size(); ++i) {
    EXPECT_GE(sorted[i] - sorted[i - 1], static_cast<long>(sizeof(Slab))) << "slots overlap";
  }
  void* freed = live.back();
  live.pop_back();
  CRecordPool<Slab>::Free(freed);
  EXPECT_EQ(CRecordPool<Slab>::Allocate(), freed);
  for (void* slot : live) CRecordPool<Slab>::Free(slot);
}

TEST(RecordStorageTest, SlotsFreedByAnotherThreadServeTheThreadThatMakesRecords) {
  struct Small {
    char bytes[24];
  };
  constexpr std::size_t kCount = 4096;
  std::vector<void*> first;
  std::thread maker([&first] {
    for (std::size_t i = 0; i < kCount; ++i) first.push_back(CRecordPool<Small>::Allocate());
  });
  maker.join();
  for (void* slot : first) CRecordPool<Small>::Free(slot);  // this thread frees what it never made
  std::vector<void*> second;
  std::thread again([&second] {
    for (std::size_t i = 0; i < kCount; ++i) second.push_back(CRecordPool<Small>::Allocate());
  });
  again.join();
  std::sort(first.begin(), first.end());
  std::size_t reused = 0;
  for (void* slot : second) reused += std::binary_search(first.begin(), first.end(), slot) ? 1 : 0;
  // All but what the freeing thread keeps for itself (fewer than two batches) come back.
  EXPECT_GE(reused, kCount - 512);
  std::sort(second.begin(), second.end());
  EXPECT_EQ(std::adjacent_find(second.begin(), second.end()), second.end()) << "a slot was handed out twice";
}

// A thread that ends, releasing its slots, leaves all of them, however few, to the threads after it.
TEST(RecordStorageTest, SlotsFreedOnAThreadThatEndsServeOtherThreads) {
  struct Tiny {
    char bytes[32];
  };
  constexpr std::size_t kCount = 100;  // fewer than a batch
  std::vector<void*> first;
  std::thread maker([&first] {
    for (std::size_t i = 0; i < kCount; ++i) first.push_back(CRecordPool<Tiny>::Allocate());
    for (void* slot : first) CRecordPool<Tiny>::Free(slot);
    CRecordPool<Tiny>::ReleaseThreadSlots();
  });
  maker.join();
  std::vector<void*> second;
  std::thread again([&second] {
    for (std::size_t i = 0; i < kCount; ++i) second.push_back(CRecordPool<Tiny>::Allocate());
  });
  again.join();
  std::sort(first.begin(), first.end());
  std::sort(second.begin(), second.end());
  EXPECT_EQ(second, first);
}

TEST(RecordStorageTest, MembersParsedOnOneThreadLiveOnAndDieOnAnother) {
  std::unique_ptr<CClassInfo> record;
  std::thread parser([&record] {
    record = std::make_unique<CClassInfo>();
    record->LoadFromText("class CAnOrderDialogClass : public CDialog\r\n{\r\n\tint m_a, m_b;\r\n\tCString m_str;\r\n};\r\n");
  });
  parser.join();
  ASSERT_EQ(record->m_pMembers.size(), 3u);
  EXPECT_EQ(record->m_pMembers[2]->LineText(), "CString m_str");
  record.reset();
  // The slots freed here serve this thread's next records.
  CClassInfo again;
  ASSERT_TRUE(again.LoadFromText("class CAgain\r\n{\r\n\tlong m_n;\r\n"));
  EXPECT_EQ(again.m_pMembers.front()->m_strName, "m_n");
}

}  // namespace
}  // namespace varnwick
