#include "CUNCPath.h"

#include <algorithm>

#include "CUNCStandardActor.h"
#include "PathText.h"

namespace varnwick {

namespace {

// The longest directory, name or extension the drive-form split keeps, as the C run-time's
// path splitter does with its fixed buffers.
constexpr std::size_t kMaxComponentBytes = 255;

bool StartsWithSeparator(const std::string& text) {
  return !text.empty() && IsPathSeparator(text.front());
}

bool EndsWithSeparator(const std::string& text) {
  return !text.empty() && IsPathSeparator(text.back());
}

bool EndsWithColon(const std::string& text) { return !text.empty() && text.back() == ':'; }

struct DirectoryAndFile {
  std::string directory;
  std::string file;
};

// The directory runs from the separator at `first` through the last separator of the text; the
// file is what follows.
DirectoryAndFile SplitFromSeparator(std::string_view text, std::size_t first) {
  std::size_t last = FindLastSeparator(text, first + 1);
  if (last == std::string_view::npos) last = first;
  return {std::string(text.substr(first, last - first + 1)), std::string(text.substr(last + 1))};
}

}  // namespace

CUNCPath::CUNCPath(std::string_view text, bool bForwardSlash)
    : m_full(text), m_bForwardSlash(bForwardSlash), m_actor(&CUNCStandardActor::Instance()) {}

CUNCPath::CUNCPath(const CUNCPath& other)
    : m_full(other.m_full),
      m_fullCurrent(other.m_fullCurrent),
      m_fullClean(other.m_fullClean),
      m_server(other.m_server),
      m_share(other.m_share),
      m_directory(other.m_directory),
      m_file(other.m_file),
      m_partsCurrent(other.m_partsCurrent),
      m_bForwardSlash(other.m_bForwardSlash),
      m_lastResult(other.m_lastResult),
      m_actor(&CUNCStandardActor::Instance()) {}

CUNCPath& CUNCPath::operator=(const CUNCPath& other) {
  if (this == &other) return *this;
  m_full = other.m_full;
  m_fullCurrent = other.m_fullCurrent;
  m_fullClean = other.m_fullClean;
  m_server = other.m_server;
  m_share = other.m_share;
  m_directory = other.m_directory;
  m_file = other.m_file;
  m_partsCurrent = other.m_partsCurrent;
  m_bForwardSlash = other.m_bForwardSlash;
  m_lastResult = other.m_lastResult;
  return *this;
}

CUNCPath& CUNCPath::operator=(std::string_view text) {
  CUNCPath fresh(text, m_bForwardSlash);
  return *this = fresh;
}

const std::string& CUNCPath::GetFull() {
  Build();
  return m_full;
}

std::string CUNCPath::Full() { return GetFull(); }

std::string CUNCPath::Server() {
  Split();
  return m_server;
}

std::string CUNCPath::Share() {
  Split();
  return m_share;
}

std::string CUNCPath::Directory() {
  Split();
  return m_directory;
}

std::string CUNCPath::File() {
  Split();
  return m_file;
}

std::string& CUNCPath::FullRef() {
  Build();
  m_partsCurrent = false;
  m_fullClean = false;
  return m_full;
}

std::string& CUNCPath::ServerRef() {
  Split();
  m_fullCurrent = false;
  return m_server;
}

std::string& CUNCPath::ShareRef() {
  Split();
  m_fullCurrent = false;
  return m_share;
}

std::string& CUNCPath::DirectoryRef() {
  Split();
  m_fullCurrent = false;
  return m_directory;
}

std::string& CUNCPath::FileRef() {
  Split();
  m_fullCurrent = false;
  return m_file;
}

bool CUNCPath::IsEmpty() { return GetFull().empty(); }

void CUNCPath::Clear() {
  m_full.clear();
  m_server.clear();
  m_share.clear();
  m_directory.clear();
  m_file.clear();
  m_fullCurrent = false;
  m_partsCurrent = false;
}

std::string CUNCPath::CompareForm() {
  std::string form = GetFull();
  const char from = m_bForwardSlash ? '\\' : '/';
  std::replace(form.begin(), form.end(), from, Separator());
  std::transform(form.begin(), form.end(), form.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return form;
}

std::string CUNCPath::PathNoTrailingSep() {
  Split();
  std::string directory = m_directory;
  if (m_file.empty() && directory.size() >= 2) directory.pop_back();
  return m_server + m_share + directory + m_file;
}

bool CUNCPath::Qualify() {
  m_lastResult = m_actor->Qualify(*this);
  return !UNCFailed(m_lastResult);
}

CUNCPath CUNCPath::Root() {
  CUNCPath root(*this);
  root.Qualify();
  root.DirectoryRef() = std::string(1, Separator());
  root.FileRef().clear();
  return root;
}

// Both forms are empty when neither is current. Marking both current keeps a later write through
// one of the modifiable references from being thrown away as "empty".
void CUNCPath::MarkEmptyCurrent() {
  Clear();
  m_fullCurrent = true;
  m_partsCurrent = true;
}

void CUNCPath::Build() {
  if (m_fullCurrent) {
    // The full text is read again and again while it stays unchanged: it is cleaned once.
    if (!m_fullClean) StripBadChars(m_full);
    m_fullClean = true;
  } else if (m_partsCurrent) {
    NormaliseParts();
    // Appended into the full text's own memory: paths are rebuilt for every match of a walk.
    m_full.clear();
    m_full.append(m_server).append(m_share).append(m_directory).append(m_file);
    StripBadChars(m_full);
    m_fullClean = true;
    m_fullCurrent = true;
  } else {
    MarkEmptyCurrent();
  }
}

void CUNCPath::Split() {
  if (m_partsCurrent) {
    NormaliseParts();
    return;
  }
  if (!m_fullCurrent) {
    MarkEmptyCurrent();
    return;
  }
  StripBadChars(m_full);
  m_fullClean = true;
  m_server.clear();
  m_share.clear();
  m_directory.clear();
  m_file.clear();
  const std::string_view text = m_full;
  if (text.size() >= 2 && IsPathSeparator(text[0]) && IsPathSeparator(text[1])) {
    SplitUncForm(text);
  } else if (!m_bForwardSlash || text.find(':') != std::string_view::npos) {
    SplitDriveForm(text);
  } else {
    SplitSlashForm(text);
  }
  NormaliseParts();
  m_partsCurrent = true;
}

// "\\server\share\dir\file": the share and the directory each start at a separator.
void CUNCPath::SplitUncForm(std::string_view text) {
  const std::size_t shareStart = FindFirstSeparator(text, 2);
  if (shareStart == std::string_view::npos) {
    m_server = text;
    return;
  }
  m_server = text.substr(0, shareStart);
  const std::size_t directoryStart = FindFirstSeparator(text, shareStart + 1);
  if (directoryStart == std::string_view::npos) {
    m_share = text.substr(shareStart);
    return;
  }
  m_share = text.substr(shareStart, directoryStart - shareStart);
  DirectoryAndFile rest = SplitFromSeparator(text, directoryStart);
  m_directory = std::move(rest.directory);
  m_file = std::move(rest.file);
}

// "C:\dir\name.ext", or any text in backslash mode, split the way the C run-time splits a path.
void CUNCPath::SplitDriveForm(std::string_view text) {
  if (text.empty()) return;
  std::string_view rest = text;
  if (text.size() >= 2 && text[1] == ':') {
    m_server = text.substr(0, 2);
    rest.remove_prefix(2);
  }
  const std::size_t last = FindLastSeparator(rest);
  const std::size_t nameStart = last == std::string_view::npos ? 0 : last + 1;
  m_directory = CutToBytes(rest.substr(0, nameStart), kMaxComponentBytes);
  const std::string_view fileName = rest.substr(nameStart);
  const std::size_t dot = fileName.rfind('.');
  const std::size_t extensionStart = dot == std::string_view::npos ? fileName.size() : dot;
  m_file = CutToBytes(fileName.substr(0, extensionStart), kMaxComponentBytes) +
           CutToBytes(fileName.substr(extensionStart), kMaxComponentBytes);
}

// Slash mode without a drive: whatever stands before the first separator is the server.
void CUNCPath::SplitSlashForm(std::string_view text) {
  const std::size_t first = FindFirstSeparator(text);
  if (first == std::string_view::npos) {
    m_server = text;
    return;
  }
  m_server = text.substr(0, first);
  DirectoryAndFile rest = SplitFromSeparator(text, first);
  m_directory = std::move(rest.directory);
  m_file = std::move(rest.file);
}

void CUNCPath::NormaliseParts() {
  StripBadChars(m_server);
  StripBadChars(m_share);
  StripBadChars(m_directory);
  StripBadChars(m_file);
  if (!m_share.empty()) {
    if (!m_server.empty() && !StartsWithSeparator(m_server)) {
      m_server.insert(0, "\\\\");
    } else if (!m_server.empty() && (m_server.size() < 2 || !IsPathSeparator(m_server[1]))) {
      m_server.insert(0, 1, m_server.front());
    }
    if (!StartsWithSeparator(m_share)) m_share.insert(0, 1, '\\');
  }
  // Below a bare drive ("C:") a directory may stay relative; anywhere else it is rooted.
  const bool directoryMayBeRelative = (m_server.empty() || EndsWithColon(m_server)) && m_share.empty();
  if (!directoryMayBeRelative && !m_directory.empty() && !StartsWithSeparator(m_directory)) {
    m_directory.insert(0, 1, Separator());
  }
  if (!m_directory.empty() && !EndsWithSeparator(m_directory)) m_directory.push_back(Separator());
  if (EndsWithSeparator(m_file)) {
    m_directory += m_file;
    m_file.clear();
    if (!directoryMayBeRelative && !StartsWithSeparator(m_directory)) {
      m_directory.insert(0, 1, Separator());
    }
  }
}

}  // namespace varnwick
