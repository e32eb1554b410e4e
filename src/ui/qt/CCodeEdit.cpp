#include "CCodeEdit.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocumentFragment>

#include "CCppHighlighter.h"

namespace varnwick {

CCodeEdit::CCodeEdit(QWidget* parent) : QPlainTextEdit(parent) {
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  setFont(fixed);
  setTabStopDistance(4 * QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')));
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabChangesFocus(true);
  new CCppHighlighter(document());
}

QString CCodeEdit::WithCrLf(QString text) {
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

QMimeData* CCodeEdit::createMimeDataFromSelection() const {
  auto* data = new QMimeData;
  data->setText(WithCrLf(textCursor().selection().toPlainText()));
  return data;
}

void CCodeEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier) {
    insertPlainText(QStringLiteral("\t"));
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

}  // namespace varnwick
