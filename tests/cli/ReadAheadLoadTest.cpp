#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "CClassListing.h"
#include "CatalogueJson.h"
#include "HeaderFile.h"
#include "MessageText.h"
#include "PathLoader.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;

std::string Header(int folder, int file) {
  const std::string name = "CF" + std::to_string(folder) + "H" + std::to_string(file);
  std::string text = "// generated\r\nclass " + name + " : public CObject\r\n{\r\n";
  for (int member = 0; member < file % 7; ++member) text += "\tint m_n" + std::to_string(member) + ";\r\n";
  text += "};\r\n";
  if (file % 3 == 0) text += "class " + name + "Dlg : public CDialog\r\n{\r\n\tCString m_str;\r\n};\r\n";
  return text;
}

// Folders of headers, some of them holding a header over the size limit part-way, or entries that
// cannot be read as headers: a folder named like one, a link to nothing, a file nobody may read.
std::vector<std::string> MakeTree(const TempDir& dir) {
  std::string large = "class CLarge\r\n{\r\n};\r\n";
  large.resize(kMaxHeaderBytes + 1, ' ');
  std::vector<std::string> paths;
  for (int folder = 0; folder < 12; ++folder) {
    const std::string name = "folder" + std::to_string(folder);
    for (int file = 0; file < 25; ++file) {
      const std::string header = name + "/h" + std::to_string(100 + file) + ".h";
      dir.Write(header, folder % 4 == 1 && file == 10 ? large : Header(folder, file));
    }
    dir.Write(name + "/empty.h", "");
    dir.Write(name + "/none.h", "int g_n;\r\n");
    std::filesystem::create_directories(dir / (name + "/dir.h"));
    std::error_code ignored;
    std::filesystem::create_symlink(dir / (name + "/gone.txt"), dir / (name + "/link.h"), ignored);
    const std::string locked = dir.Write(name + "/locked.h", Header(folder, 99));
    std::filesystem::permissions(locked, std::filesystem::perms::none, ignored);
    paths.push_back(dir / name);
  }
  const std::string single = dir.Write("singles/single.h", Header(50, 3));
  const std::string bigSingle = dir.Write("singles/big.h", large);
  paths.insert(paths.begin() + 3, {single, dir / "singles/missing.h", bigSingle, dir / "folder0/none.h"});
  paths.push_back(dir / "folder2");  // a folder loaded twice adds its classes twice
  paths.push_back(single);
  return paths;
}

struct LoadResult {
  std::string catalogue;
  std::string messages;
};

LoadResult Load(const std::vector<std::string>& paths, bool recursive, CLoadThreads threads) {
  CCatalogue catalogue;
  std::ostringstream messages;
  LoadPaths(catalogue, paths, messages, recursive, threads);
  return {CatalogueToJson(catalogue).dump(1), messages.str()};
}

TEST(ReadAheadLoadTest, ReadingAheadLoadsWhatTheSerialWalkLoads) {
  TempDir dir;
  const std::vector<std::string> paths = MakeTree(dir);
  const LoadResult serial = Load(paths, false, CLoadThreads::kOne);
  ASSERT_NE(serial.catalogue.find("CF11H24"), std::string::npos) << "the last folder was read";
  ASSERT_EQ(serial.catalogue.find("CF1H11"), std::string::npos) << "a folder stops at its large header";
  ASSERT_NE(serial.messages.find("varnwick-cli: " + (dir / "singles/big.h") + ": " + FileTooLargeReason()),
            std::string::npos);
  // The tree through its subfolders, which stops in the second folder, twice.
  const std::vector<std::string> root = {dir.Path(), dir / "singles/single.h", dir.Path()};
  const LoadResult serialTree = Load(root, true, CLoadThreads::kOne);
  ASSERT_NE(serialTree.catalogue.find("CF1H0"), std::string::npos);
  ASSERT_EQ(serialTree.catalogue.find("CF2H0"), std::string::npos) << "the tree stops at its first large header";
  for (int run = 0; run < 5; ++run) {
    const LoadResult ahead = Load(paths, false, CLoadThreads::kReadAhead);
    EXPECT_EQ(ahead.catalogue, serial.catalogue) << "run " << run;
    EXPECT_EQ(ahead.messages, serial.messages) << "run " << run;
    const LoadResult aheadTree = Load(root, true, CLoadThreads::kReadAhead);
    EXPECT_EQ(aheadTree.catalogue, serialTree.catalogue) << "run " << run;
    EXPECT_EQ(aheadTree.messages, serialTree.messages) << "run " << run;
  }
}

TEST(ReadAheadLoadTest, TheClassListingIsTheLoadedCatalogueLineByLine) {
  TempDir dir;
  const std::vector<std::string> paths = MakeTree(dir);
  CCatalogue kept;
  std::ostringstream keptMessages;
  LoadPaths(kept, paths, keptMessages);
  std::string expected;
  for (std::size_t i = 0; i < kept.Size(); ++i) {
    const CClassInfo& record = kept.At(i);
    expected += std::to_string(i) + "\t" + record.m_strName + "\t" + std::to_string(record.m_pMembers.size()) + "\t" +
                record.m_strFile + "\n";
  }

  CCatalogue listed;
  CClassListing listing;
  listed.SetSink(&listing);
  std::ostringstream messages;
  LoadPaths(listed, paths, messages);
  std::ostringstream out;
  listing.Write(out);
  EXPECT_EQ(out.str(), expected);
  EXPECT_EQ(messages.str(), keptMessages.str());
  EXPECT_EQ(listed.Size(), 0u) << "the records went to the listing";
  EXPECT_EQ(listed.LastClass(), kept.LastClass());
}

}  // namespace
}  // namespace varnwick
