#include "CDocumentation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace varnwick {

namespace {

const QString kReadme = QStringLiteral("README.md");
const QByteArray kSourceEntry = QByteArrayLiteral("CMAKE_HOME_DIRECTORY:INTERNAL=");

}  // namespace

CDocumentation::CDocumentation(const QString& programFolder)
    : m_strProgramFolder(QDir::cleanPath(programFolder)),
      m_strInstalledFolder(QDir::cleanPath(programFolder + QStringLiteral("/" VARNWICK_DOC_FROM_BIN))) {}

CDocumentation CDocumentation::OfRunningProgram() {
  return CDocumentation(QCoreApplication::applicationDirPath());
}

QString CDocumentation::Folder() const {
  if (IsInstalled()) return m_strInstalledFolder;
  const QString sources = SourceFolder();
  return sources.isEmpty() ? m_strInstalledFolder : sources;
}

QString CDocumentation::Readme() const { return Folder() + QLatin1Char('/') + kReadme; }

bool CDocumentation::IsInstalled() const {
  return QFileInfo::exists(m_strInstalledFolder + QLatin1Char('/') + kReadme);
}

// A build tree keeps its executables one folder below its CMake cache, which names the source
// tree it was built from. Read when the program runs, so that nothing of the build machine's
// folders is built into the program.
QString CDocumentation::SourceFolder() const {
  QFile cache(QDir::cleanPath(m_strProgramFolder + QStringLiteral("/../CMakeCache.txt")));
  if (!cache.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  while (!cache.atEnd()) {
    const QByteArray line = cache.readLine().trimmed();
    if (!line.startsWith(kSourceEntry)) continue;
    const QString folder = QDir::cleanPath(QString::fromUtf8(line.mid(kSourceEntry.size())));
    return QFileInfo::exists(folder + QLatin1Char('/') + kReadme) ? folder : QString();
  }
  return {};
}

}  // namespace varnwick
