#pragma once

#include <string>
#include <string_view>

#include "UNCResult.h"

namespace varnwick {

class CUNCActor;

// The separator of the platform's own paths, which paths built here (a folder's search pattern)
// should use.
#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
#else
inline constexpr char kNativeSeparator = '/';
#endif

// A path held as its full text and as four parts (server, share, directory, file); each form is
// brought up to date from the other only when it is asked for. Both "/" and "\" are separators on
// input; the separator mode decides which one the path adds itself.
class CUNCPath {
 public:
  explicit CUNCPath(std::string_view text = {}, bool bForwardSlash = false);
  CUNCPath(const CUNCPath& other);
  CUNCPath& operator=(const CUNCPath& other);
  CUNCPath& operator=(std::string_view text);

  const std::string& GetFull();
  std::string Full();
  std::string Server();
  std::string Share();
  std::string Directory();
  std::string File();

  std::string& FullRef();
  std::string& ServerRef();
  std::string& ShareRef();
  std::string& DirectoryRef();
  std::string& FileRef();

  char Separator() const { return m_bForwardSlash ? '/' : '\\'; }
  bool ForwardSlash() const { return m_bForwardSlash; }
  bool IsEmpty();
  void Clear();
  std::string CompareForm();
  std::string PathNoTrailingSep();
  bool Qualify();
  CUNCPath Root();

  UNCResult LastResult() const { return m_lastResult; }
  void SetLastResult(UNCResult code) { m_lastResult = code; }
  CUNCActor& Actor() const { return *m_actor; }

 private:
  void Build();
  void Split();
  void SplitUncForm(std::string_view text);
  void SplitDriveForm(std::string_view text);
  void SplitSlashForm(std::string_view text);
  void NormaliseParts();
  void MarkEmptyCurrent();

  std::string m_full;
  bool m_fullCurrent = true;
  bool m_fullClean = false;  // m_full has lost its bad characters since it last changed
  std::string m_server;
  std::string m_share;
  std::string m_directory;
  std::string m_file;
  bool m_partsCurrent = false;
  bool m_bForwardSlash = false;
  UNCResult m_lastResult = kUNCOk;
  CUNCActor* m_actor;
};

}  // namespace varnwick
