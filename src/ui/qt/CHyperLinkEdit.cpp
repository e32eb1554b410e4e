#include "CHyperLinkEdit.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QMessageBox>
#include <QMouseEvent>
#include <QUrl>
#include <algorithm>

#include "MessageText.h"
#include "UiText.h"

namespace varnwick {

namespace {

// QLineEdit keeps a small inner margin on each side; without it the text would be cut.
constexpr int kInnerMargin = 3;

bool OpenWithDesktop(const QString& target) { return QDesktopServices::openUrl(QUrl(target)); }

void TellInMessageBox(QWidget* owner, const QString& message) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnwick"), message, QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

CHyperLinkEdit::CHyperLinkEdit(QWidget* parent)
    : QLineEdit(parent), m_opener(OpenWithDesktop), m_teller([this](const QString& message) {
        TellInMessageBox(window(), message);
      }) {
  setReadOnly(true);
  setFrame(false);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  // The window's own context menu opens over the link, as over every other control.
  setContextMenuPolicy(Qt::NoContextMenu);
  // Transparent, so the window's background shows through.
  setAutoFillBackground(false);
  setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
  ApplyColour();
}

void CHyperLinkEdit::SetLink(const QString& target, const QString& shownText, bool sizeToText) {
  m_bSizeToText = sizeToText;
  m_strTarget = target;
  SetShownText(shownText);
}

void CHyperLinkEdit::SetShownText(const QString& text) {
  m_strShown = text;
  setText(text);
  setCursorPosition(0);
  ShowCutTextAsToolTip();
  if (!m_bSizeToText || parentWidget() == nullptr) return;
  // In a layout the size hint carries the width; elsewhere the control resizes itself, though
  // never past its parent's right edge: a long address (a deep install folder) is cut instead.
  updateGeometry();
  if (parentWidget()->layout() != nullptr) return;
  const int room = std::max(0, parentWidget()->width() - geometry().x());
  const int width = std::min(TextWidth(), room);
  if (width != geometry().width()) setGeometry(geometry().x(), geometry().y(), width, geometry().height());
}

void CHyperLinkEdit::ShowCutTextAsToolTip() { setToolTip(width() < TextWidth() ? m_strShown : QString()); }

void CHyperLinkEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  ShowCutTextAsToolTip();
}

int CHyperLinkEdit::TextWidth() const { return fontMetrics().horizontalAdvance(m_strShown) + 2 * kInnerMargin; }

QSize CHyperLinkEdit::sizeHint() const {
  const QSize size = QLineEdit::sizeHint();
  return m_bSizeToText ? QSize(TextWidth(), size.height()) : size;
}

void CHyperLinkEdit::ApplyColour() {
  QPalette colours = palette();
  colours.setColor(QPalette::Text, m_bVisited ? kVisitedColour : kLinkColour);
  setPalette(colours);
}

void CHyperLinkEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QLineEdit::mousePressEvent(event);
    return;
  }
  // Consumed: a link gets no caret and no selection.
  m_bVisited = true;
  ApplyColour();
  event->accept();
  if (!m_opener || m_opener(m_strTarget)) return;
  // A file target is named by its path, as the link shows it.
  const QString named = QUrl(m_strTarget).toDisplayString(QUrl::PreferLocalFile);
  if (m_teller) m_teller(ToQString(CouldNotOpenMessage(ToBytes(named))));
}

void CHyperLinkEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  // The first press already opened the link; the second must not open it again nor select.
  event->accept();
}

}  // namespace varnwick
