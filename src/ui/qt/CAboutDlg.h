#pragma once

#include <QDialog>

namespace varnwick {

class CHyperLinkEdit;

// "About Varnwick": the version and a link to the documentation.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* owner = nullptr);
  CHyperLinkEdit* Link() const { return m_link; }

 private:
  void CreateControls();

  CHyperLinkEdit* m_link = nullptr;
};

}  // namespace varnwick
