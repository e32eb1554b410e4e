#pragma once

#include <QPlainTextEdit>

namespace varnwick {

// The body of the text window: generated C++ in a fixed-pitch font with tab stops of four
// characters and syntax colouring. As a dialog's multi-line edit, Tab and Shift+Tab move the
// focus; Ctrl+Tab types a tab. Whatever it puts on the clipboard has "\r\n" line ends, as the
// generated text has.
class CCodeEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit CCodeEdit(QWidget* parent = nullptr);

  // The editor's "\n" line ends as "\r\n".
  static QString WithCrLf(QString text);

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace varnwick
