#include "CRecordPool.h"

#include <memory>
#include <mutex>
#include <vector>

namespace varnwick {

char* KeepBlock(std::size_t bytes) {
  // Every block stays reachable from here, so the slots a finished thread held are not leaks.
  static std::mutex mutex;
  static auto* blocks = new std::vector<std::unique_ptr<char[]>>();
  // Not zeroed: every slot is constructed before use, and untouched pages cost nothing.
  auto block = std::make_unique_for_overwrite<char[]>(bytes);
  char* start = block.get();
  const std::lock_guard<std::mutex> lock(mutex);
  blocks->push_back(std::move(block));
  return start;
}

}  // namespace varnwick
