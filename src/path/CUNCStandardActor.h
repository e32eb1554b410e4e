#pragma once

#include <memory>
#include <string>

#include "CUNCPath.h"
#include "UNCResult.h"

namespace varnwick {

// The entry a directory search returns.
struct CUNCFindData {
  std::string name;
  bool isDirectory = false;
  // Reached through a symbolic link: a walk reports such a directory but never descends into it,
  // so a link loop cannot make it run forever.
  bool isSymlink = false;
  // A regular file, or a link to one: what the existence test would find, so that a file just
  // listed need not be tested again before it is read.
  bool isRegularFile = false;
};

// An open directory search; owned through the handle the actor hands out.
class CUNCFindState;
using CUNCFindHandle = CUNCFindState*;  // nullptr = none

// Every file-system operation of a path goes through an actor. Operations take paths by value and
// report a result code; none throws.
class CUNCActor {
 public:
  virtual ~CUNCActor() = default;
  virtual UNCResult Qualify(CUNCPath& path) = 0;
  virtual UNCResult Exists(CUNCPath path, bool* exists) = 0;
  virtual UNCResult FindFirst(CUNCPath path, CUNCFindHandle* handle, CUNCFindData* data) = 0;
  virtual UNCResult FindNext(CUNCFindHandle handle, CUNCFindData* data) = 0;
  virtual UNCResult FindClose(CUNCFindHandle handle) = 0;
  // True when a search finds exactly those entries of a search for every entry ("*.*") whose
  // names WildcardMatch accepts, in the same order. A recursive walk then lists each folder once
  // and picks the pattern's matches from that listing itself.
  virtual bool SearchesByWildcardMatch() const { return false; }
};

// The actor of the platform the program runs on. On POSIX both separators become "/" before a
// call reaches the system; on Windows the texts go to the system's ANSI calls unchanged.
class CUNCStandardActor : public CUNCActor {
 public:
  static CUNCStandardActor& Instance();

  UNCResult Qualify(CUNCPath& path) override;
  UNCResult Exists(CUNCPath path, bool* exists) override;
  UNCResult FindFirst(CUNCPath path, CUNCFindHandle* handle, CUNCFindData* data) override;
  UNCResult FindNext(CUNCFindHandle handle, CUNCFindData* data) override;
  UNCResult FindClose(CUNCFindHandle handle) override;
  bool SearchesByWildcardMatch() const override;
};

// Maps an errno value to the result code the Windows system gives for the same condition.
UNCResult UNCResultFromErrno(int error);

}  // namespace varnwick
