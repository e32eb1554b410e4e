#pragma once

#include <QDialog>

namespace varnwick {

// "Legenda": names the grid's member-kind icons and check-box states. Resizable.
class CLegendDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CLegendDlg(QWidget* owner = nullptr);

 private:
  void CreateControls();
  void AddMemberKinds();
  void AddCheckStates();
  // A label whose left edge stands just left of a picture's centre line, with a line down to it.
  void AddNamedPicture(int centreX, int pictureBottom, int labelTop, const QString& text);

  QWidget* m_canvas = nullptr;
};

}  // namespace varnwick
