#include "CDocumentation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace varnwick {

namespace {

const QString kReadme = QStringLiteral("README.md");

}  // namespace

CDocumentation::CDocumentation(const QString& programFolder)
    : m_strProgramFolder(QDir::cleanPath(programFolder)),
      m_strInstalledFolder(QDir::cleanPath(programFolder + QStringLiteral("/" VARNWICK_DOC_FROM_BIN))) {}

CDocumentation CDocumentation::OfRunningProgram() {
  return CDocumentation(QCoreApplication::applicationDirPath());
}

QString CDocumentation::Folder() const {
  if (IsInstalled() || !IsBuildTree()) return m_strInstalledFolder;
  return QFileInfo(QStringLiteral(VARNWICK_SOURCE_README)).absolutePath();
}

QString CDocumentation::Readme() const { return Folder() + QLatin1Char('/') + kReadme; }

bool CDocumentation::IsInstalled() const {
  return QFileInfo::exists(m_strInstalledFolder + QLatin1Char('/') + kReadme);
}

// A build tree keeps its executables one folder below its CMake cache.
bool CDocumentation::IsBuildTree() const {
  return QFileInfo::exists(QDir::cleanPath(m_strProgramFolder + QStringLiteral("/../CMakeCache.txt")));
}

}  // namespace varnwick
