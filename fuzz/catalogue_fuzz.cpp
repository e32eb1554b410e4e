// Splits the input into a few header files of one folder held in memory and runs Add Directory,
// Delete Class and Delete All on a catalogue in an order the input gives. After every command the
// class list must be sorted with equal names in loading order, its selection valid and the one a
// refill makes; Add Directory must add exactly the classes of the folder's headers (those of a
// header loaded before taking the place of its records), Delete Class exactly the chosen record,
// and Delete All must leave nothing.
//
// Input: parts separated by zero bytes. With one part it is the only header and a fixed script
// runs; with more, the last part is the script and the others are the files, in this order:
// "A.h", "b.H", "c.h" (all read, in that order) and "d.txt" (never read). Each script byte is one
// command by its value modulo 3: Add Directory, Delete Class (on the row the next byte picks),
// Delete All; so "0", "1" and "2" write them readably.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "AddDirectory.h"
#include "CCatalogue.h"
#include "CMemoryFolder.h"
#include "FuzzSupport.h"
#include "HeaderFile.h"
#include "ListOrder.h"

namespace {

using namespace varnwick;
using fuzz::Require;

constexpr std::array<const char*, 4> kFileNames = {"A.h", "b.H", "c.h", "d.txt"};
constexpr std::size_t kHeaderFiles = 3;
constexpr std::string_view kDefaultScript = "0150210";
constexpr std::size_t kMaxCommands = 16;

using Script = fuzz::CFuzzScript;

Script ReadScript(std::string_view input) {
  return fuzz::ReadFuzzScript(input, kFileNames.size(), kDefaultScript, kMaxCommands);
}

// Name and file of every record, in catalogue order.
using Records = std::vector<std::pair<std::string, std::string>>;

Records RecordsOf(const CCatalogue& catalogue) {
  Records records;
  for (std::size_t i = 0; i < catalogue.Size(); ++i) records.emplace_back(catalogue.At(i).m_strName, catalogue.At(i).m_strFile);
  return records;
}

void CheckClassList(const CCatalogue& catalogue, const CClassList& list) {
  const std::size_t size = catalogue.Size();
  Require(list.rows.size() == size, "one row per record");
  std::vector<bool> seen(size, false);
  for (std::size_t row = 0; row < size; ++row) {
    Require(list.rows[row] < size && !seen[list.rows[row]], "rows are a permutation of the records");
    seen[list.rows[row]] = true;
    if (row == 0) continue;
    const int order = CompareListText(catalogue.At(list.rows[row - 1]).m_strName, catalogue.At(list.rows[row]).m_strName);
    Require(order < 0 || (order == 0 && list.rows[row - 1] < list.rows[row]), "sorted, equal names in loading order");
  }
  Require(list.selectedRow.has_value() == (size > 0), "a selection exactly when there are rows");
  if (list.selectedRow) Require(*list.selectedRow < size, "the selection is a row");
}

void CheckRefill(const CCatalogue& catalogue) {
  const CClassList list = catalogue.SortedClassList();
  CheckClassList(catalogue, list);
  if (!list.selectedRow) return;
  const std::size_t selected = *list.SelectedRecord();
  Require(catalogue.RecordToSelect() == selected, "the refill selects the record it names");
  bool lastClassLoaded = false;
  for (std::size_t i = 0; i < catalogue.Size(); ++i) lastClassLoaded |= catalogue.At(i).m_strName == catalogue.LastClass();
  if (lastClassLoaded) Require(catalogue.At(selected).m_strName == catalogue.LastClass(), "the last class read stays selected");
}

// What Add Directory must add: each header of the folder read alone, in walk order, and the
// first class of the last header that had one, if any had.
struct Additions {
  std::vector<std::pair<std::string, Records>> headers;
  std::optional<std::string> lastClass;
};

// The files do not change within one input, so neither does this: it is worked out once.
Additions ExpectedAdditions(fuzz::CMemoryFolder& folder, const std::vector<std::string>& headers) {
  Additions expected;
  for (const std::string& path : headers) {
    CCatalogue alone;
    alone.SetSource(&folder);
    if (!alone.AddFile(path)) continue;
    expected.headers.emplace_back(path, RecordsOf(alone));
    expected.lastClass = alone.LastClass();
  }
  return expected;
}

// A header loaded before, even one whose classes were all deleted, has its records replaced: the
// fresh ones stand where its first record stood, or at the end.
void ExpectHeader(Records& expected, const std::string& path, const Records& fresh, std::set<std::string>& loaded) {
  auto place = expected.end();
  if (!loaded.insert(path).second) {
    place = std::find_if(expected.begin(), expected.end(), [&](const auto& record) { return record.second == path; });
    const auto first = static_cast<std::size_t>(place - expected.begin());
    expected.erase(std::remove_if(expected.begin(), expected.end(), [&](const auto& record) { return record.second == path; }),
                   expected.end());
    place = expected.begin() + static_cast<std::ptrdiff_t>(std::min(first, expected.size()));
  }
  expected.insert(place, fresh.begin(), fresh.end());
}

void RunAddDirectory(CCatalogue& catalogue, const std::string& folder, const Additions& added,
                     std::set<std::string>& loaded) {
  const std::string lastClass = added.lastClass.value_or(catalogue.LastClass());
  Records expected = RecordsOf(catalogue);
  for (const auto& [path, records] : added.headers) ExpectHeader(expected, path, records, loaded);
  AddDirectory(catalogue, folder, nullptr);
  Require(RecordsOf(catalogue) == expected, "Add Directory adds exactly the classes of the folder's headers");
  Require(catalogue.LastClass() == lastClass, "the first class of the last header that had one is remembered");
}

void RunDeleteClass(CCatalogue& catalogue, unsigned char pick) {
  const CClassList list = catalogue.SortedClassList();
  const std::size_t row = pick % (list.rows.size() + 1);  // one past the end: no such row
  Records expected = RecordsOf(catalogue);
  const std::optional<CClassList> after = catalogue.DeleteClass(list, row);
  if (row >= list.rows.size()) {
    Require(!after && RecordsOf(catalogue) == expected, "Delete Class of no row changes nothing");
    return;
  }
  expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(list.rows[row]));
  Require(after.has_value() && RecordsOf(catalogue) == expected, "Delete Class removes exactly the row's record");
  CheckClassList(catalogue, *after);
  if (row < after->rows.size()) Require(after->selectedRow == row, "the same row stays selected while it exists");
}

void RunDeleteAll(CCatalogue& catalogue, std::set<std::string>& loaded) {
  const std::string lastClass = catalogue.LastClass();
  catalogue.DeleteAll();
  loaded.clear();
  const CClassList list = catalogue.SortedClassList();
  Require(catalogue.IsEmpty() && list.rows.empty() && !list.selectedRow, "Delete All leaves nothing");
  Require(catalogue.LastClass() == lastClass, "Delete All keeps the remembered class");
}

// Fills the folder with the input's files and answers the paths of those Add Directory reads.
std::vector<std::string> FillFolder(fuzz::CMemoryFolder& folder, const std::vector<std::string_view>& files) {
  std::vector<fuzz::CMemoryFolder::File> filled;
  std::vector<std::string> headers;
  for (std::size_t i = 0; i < files.size(); ++i) {
    filled.emplace_back(kFileNames[i], files[i]);
    if (i < kHeaderFiles) headers.push_back(folder.PathOf(kFileNames[i]));
  }
  folder.Fill(std::move(filled));
  return headers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::CMemoryFolder folder("/fuzz");
  const Script script = ReadScript(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::vector<std::string> headers = FillFolder(folder, script.files);
  CCatalogue catalogue;
  catalogue.SetSource(&folder);
  try {
    std::optional<Additions> added;
    std::set<std::string> loaded;  // headers loaded since the last Delete All
    for (std::size_t i = 0; i < script.commands.size(); ++i) {
      const auto command = static_cast<unsigned char>(script.commands[i]);
      if (command % 3 == 0) {
        if (!added) added = ExpectedAdditions(folder, headers);
        RunAddDirectory(catalogue, folder.Path(), *added, loaded);
      }
      if (command % 3 == 1) RunDeleteClass(catalogue, i + 1 < script.commands.size() ? script.commands[++i] : 0);
      if (command % 3 == 2) RunDeleteAll(catalogue, loaded);
      CheckRefill(catalogue);
    }
  } catch (const CFileTooLarge&) {
    // only with a -max_len beyond the size limit
  }
  return 0;
}
