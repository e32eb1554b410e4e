#include "CFolderPicker.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "UiText.h"

namespace varnwick {

bool CFolderPicker::Browse(QWidget* owner) {
  const QString title = m_strTitle.empty() ? QStringLiteral("Open") : ToQString(m_strTitle);
  const QString start = m_strStart.empty() ? QDir::homePath() : ToQString(m_strStart);
  const QString chosen = QFileDialog::getExistingDirectory(owner, title, start, QFileDialog::ShowDirsOnly);
  // Only a real folder of the file system counts as a choice.
  if (chosen.isEmpty() || !QFileInfo(chosen).isDir()) return false;
  m_strFolder = ToBytes(QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath()));
  return true;
}

}  // namespace varnwick
