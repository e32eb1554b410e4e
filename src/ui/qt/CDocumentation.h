#pragma once

#include <QString>

namespace varnwick {

// Where the documentation of a program lies. An installed program finds it in the doc folder of
// its own prefix, so a moved installation still finds its own files. A program run from an
// uninstalled build tree falls back to the README of the source tree it was built from.
class CDocumentation {
 public:
  // programFolder: the folder that holds the executable.
  explicit CDocumentation(const QString& programFolder);
  // The documentation of the program that is running.
  static CDocumentation OfRunningProgram();

  // Local paths, without a trailing slash.
  QString Folder() const;
  QString Readme() const;

 private:
  bool IsInstalled() const;
  // The source tree of the build tree the program runs from, if it has a README; else empty.
  QString SourceFolder() const;

  QString m_strProgramFolder;
  QString m_strInstalledFolder;
};

}  // namespace varnwick
