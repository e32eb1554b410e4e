#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace varnwick {

class CCodeEdit;

// "Text": shows one generated text with its declaration line so the user can copy it.
class CTextDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CTextDlg(QWidget* owner = nullptr);

  void SetBody(const std::string& body);
  void SetDeclaration(const std::string& declaration);
  // What "Copy" puts on the clipboard: the body as generated while unedited, else as edited
  // with "\r\n" line ends.
  std::string BodyText() const;

 public slots:
  void OnEditCopy();

 private:
  void CreateControls();
  void LayOut();
  void ConnectSignals();

  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
  CCodeEdit* m_body = nullptr;
  QLineEdit* m_declaration = nullptr;
  QPushButton* m_copy = nullptr;
  // The editor keeps "\n" only, so the generated text is kept to copy it byte for byte.
  std::string m_strBody;
};

}  // namespace varnwick
