// Entries of a POSIX file system that are no readable headers, through the real varnwick-cli:
// named on the command line they fail the run with the system's reason; inside a folder they are
// named and passed over, and the rest of the folder is read. Nothing blocks on a FIFO, and memory
// stays bounded by the size limit whatever a file's size.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "CliProcess.h"
#include "HeaderFile.h"
#include "OddFiles.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::CliRun;
using test::RunCli;
using test::TempDir;

// The peak resident size a run of the program may reach on the densest header the limit allows.
#ifdef VARNWICK_SANITIZED
constexpr long kPeakMiB = 1024;
#else
constexpr long kPeakMiB = 256;
#endif

std::string OneClass(const std::string& name) { return "class " + name + "\r\n{\r\n\tint m_n;\r\n};\r\n"; }

std::string Failure(const std::string& path, const std::string& reason) {
  return "varnwick-cli: " + path + ": " + reason + "\n";
}

TEST(BadInputPosixCliTest, EntriesThatAreNoHeadersFailWhenNamedAndArePassedOverInAFolder) {
  TempDir dir;
  const std::string good = dir.Write("a.h", OneClass("CA"));
  dir.Write("inner/inner.h", OneClass("CInner"));
  std::filesystem::rename(dir / "inner", dir / "b.h");  // a folder named like a header
  test::MakeFifo(dir / "c.h");
  test::MakeSocket(dir / "d.h");
  test::MakeSymlink("e.h", dir / "e.h");                // a loop
  test::MakeSymlink(dir / "gone.h", dir / "f.h");       // dangling
  test::MakeSymlink(dir / "b.h", dir / "g.h");          // a folder inside the folder being read
  test::MakeSymlink(".", dir / "h.h");                  // the folder itself
  dir.Write("z.h", OneClass("CZ"));

  const struct {
    const char* name;
    std::string reason;
  } named[] = {{"c.h", "not a regular file"},
               {"d.h", "not a regular file"},
               {"e.h", std::strerror(ELOOP)},
               {"f.h", std::strerror(ENOENT)}};
  for (const auto& each : named) {
    const CliRun run = RunCli("classes " + (dir / each.name) + " " + good);
    EXPECT_EQ(run.exitCode, 1) << each.name;
    EXPECT_EQ(run.err, Failure(dir / each.name, each.reason));
    EXPECT_EQ(run.out, "0\tCA\t1\t" + good + "\n") << each.name;
  }

  const CliRun folder = RunCli("classes " + dir.Path());
  EXPECT_EQ(folder.exitCode, 0) << "the folder itself was read";
  EXPECT_EQ(folder.out, "0\tCA\t1\t" + good + "\n1\tCZ\t1\t" + (dir / "z.h") + "\n");
  std::string passedOver;
  for (const auto& each : named) passedOver += Failure(dir / each.name, each.reason);
  EXPECT_EQ(folder.err, passedOver);

  // A folder named on the command line is read as a folder, through a symbolic link too.
  for (const char* name : {"b.h", "g.h", "h.h/b.h"}) {
    const CliRun run = RunCli("classes " + (dir / name));
    EXPECT_EQ(run.exitCode, 0) << name;
    EXPECT_NE(run.out.find("\tCInner\t"), std::string::npos) << name;
  }
}

TEST(BadInputPosixCliTest, WhatTheUserMayNotReadFailsWithTheSystemsReason) {
  TempDir dir;
  const std::string good = dir.Write("a.h", OneClass("CA"));
  const std::string secret = dir.Write("secret.h", OneClass("CSecret"));
  const std::string locked = dir.Write("locked/x.h", OneClass("CLocked"));
  test::MakeUnreadable(secret);
  test::MakeUnreadable(dir / "locked");
  // Root reads everything: the program then runs as the unprivileged user "nobody".
  const std::string launcher = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
  const std::string denied = std::strerror(EACCES);

  const CliRun file = test::RunCliThrough(launcher, "classes " + secret + " " + good);
  EXPECT_EQ(file.exitCode, 1);
  EXPECT_EQ(file.err, Failure(secret, denied));
  EXPECT_EQ(file.out, "0\tCA\t1\t" + good + "\n");

  const CliRun folder = test::RunCliThrough(launcher, "classes " + (dir / "locked") + " " + good);
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_EQ(folder.err, Failure(dir / "locked", denied));

  const CliRun around = test::RunCliThrough(launcher, "classes " + dir.Path());
  EXPECT_EQ(around.exitCode, 0);
  EXPECT_EQ(around.err, Failure(secret, denied));
  EXPECT_EQ(around.out, "0\tCA\t1\t" + good + "\n");
  std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_all);  // so it can be removed
}

TEST(BadInputPosixCliTest, MemoryIsBoundedByTheSizeLimit) {
  TempDir dir;
  // Four gibibytes on paper, none on disk: measured, never read.
  const std::string huge = dir.Write("huge.h", OneClass("CHuge"));
  std::filesystem::resize_file(huge, 4ull << 30);
  const CliRun run = RunCli("classes " + huge);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, Failure(huge, "larger than 1,048,575 bytes"));

  // The densest header the limit allows: one member for every two bytes.
  std::string dense = "class CDense\r\n{\r\nint a";
  while (dense.size() + 8 < kMaxHeaderBytes) dense += ",a";
  const std::string densePath = dir.Write("dense.h", dense + ";\r\n};\r\n");
  const CliRun classes = RunCli("classes " + densePath);
  EXPECT_EQ(classes.exitCode, 0);
  EXPECT_NE(classes.out.find("\tCDense\t524"), std::string::npos) << classes.out;

  rusage usage{};
  ASSERT_EQ(::getrusage(RUSAGE_CHILDREN, &usage), 0);
  const long peakMiB = usage.ru_maxrss / 1024;
  EXPECT_LT(peakMiB, kPeakMiB) << "the largest of the program's runs";
}

}  // namespace
}  // namespace varnwick
