#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace varnwick {

class CCodeEdit;
class CWindowSettings;

// "Text": shows one generated text with its declaration line so the user can copy it.
class CTextDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CTextDlg(QWidget* owner = nullptr);

  void SetBody(const std::string& body);
  // Shown from its start; an empty one says in grey that the command gives none.
  void SetDeclaration(const std::string& declaration);
  // Opens at the size the user last gave the window, and keeps the size it closes with.
  void KeepSizeIn(CWindowSettings& settings);
  // What "Copy" puts on the clipboard: the body as generated while unedited, else as edited
  // with "\r\n" line ends.
  std::string BodyText() const;

 public slots:
  void OnEditCopy();
  void done(int result) override;

 private:
  void CreateControls();
  void LayOut();
  void ConnectSignals();

  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
  CCodeEdit* m_body = nullptr;
  QLineEdit* m_declaration = nullptr;
  QPushButton* m_copy = nullptr;
  CWindowSettings* m_sizeKeeper = nullptr;
  // The editor keeps "\n" only, so the generated text is kept to copy it byte for byte.
  std::string m_strBody;
};

}  // namespace varnwick
