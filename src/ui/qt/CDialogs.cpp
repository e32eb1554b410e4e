#include "CDialogs.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

#include "CAboutDlg.h"
#include "CDetailedMessageBox.h"
#include "CFolderPicker.h"
#include "CLegendDlg.h"
#include "CTextDlg.h"
#include "UiText.h"

namespace varnwick {

std::optional<std::string> CDialogs::OpenHeaderFile(QWidget* owner, const std::string& startFolder) {
  QFileDialog dialog(owner);
  if (!startFolder.empty()) dialog.setDirectory(ToQString(startFolder));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters({QStringLiteral("Header File (h) (*.h)"), QStringLiteral("All Files (*.*) (*)")});
  dialog.setDefaultSuffix(QStringLiteral("h"));
  // Shows the descriptions only: "Header File (h)" and "All Files (*.*)".
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToBytes(dialog.selectedFiles().first());
}

std::optional<std::string> CDialogs::PickFolder(QWidget* owner, const std::string& title,
                                               const std::string& startFolder) {
  CFolderPicker picker;
  picker.m_strTitle = title;
  picker.m_strStart = startFolder;
  if (!picker.Browse(owner)) return std::nullopt;
  return picker.m_strFolder;
}

void CDialogs::Message(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnwick"), text, QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void CDialogs::DetailedMessage(QWidget* owner, const QString& summary, const QString& details) {
  CDetailedMessageBox box(summary, details, owner);
  box.exec();
}

bool CDialogs::Ask(QWidget* owner, const QString& question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Varnwick"), question, QMessageBox::Yes | QMessageBox::No,
                  owner);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void CDialogs::ShowText(QWidget* owner, const GeneratedText& text, CWindowSettings& settings) {
  CTextDlg dialog(owner);
  dialog.KeepSizeIn(settings);
  dialog.SetBody(text.body);
  dialog.SetDeclaration(text.declaration);
  dialog.exec();
}

void CDialogs::ShowLegend(QWidget* owner) {
  CLegendDlg dialog(owner);
  dialog.exec();
}

void CDialogs::ShowAbout(QWidget* owner) {
  CAboutDlg dialog(owner);
  dialog.exec();
}

QAction* CDialogs::PopupMenu(QMenu& menu, const QPoint& screenPoint) {
  return menu.exec(screenPoint);
}

}  // namespace varnwick
