#pragma once

#include <QColor>
#include <QLineEdit>
#include <QString>
#include <functional>

namespace varnwick {

// A read-only edit that behaves as a web link: hand cursor, link colour, opens its target on a
// click and shows the visited colour from then on. A target the desktop cannot open is told in a
// message.
class CHyperLinkEdit : public QLineEdit {
  Q_OBJECT

 public:
  // Opens a target; false when the desktop could not.
  using Opener = std::function<bool(const QString& target)>;
  // Tells the user a message, modally.
  using Teller = std::function<void(const QString& message)>;

  explicit CHyperLinkEdit(QWidget* parent = nullptr);

  void SetLink(const QString& target, const QString& shownText, bool sizeToText = true);
  const QString& Target() const { return m_strTarget; }
  bool IsVisited() const { return m_bVisited; }
  // Replaces the desktop's URL handler, for tests.
  void SetOpener(Opener opener) { m_opener = std::move(opener); }
  // Replaces the message box that tells a failure, for a window that shows its messages itself.
  void SetTeller(Teller teller) { m_teller = std::move(teller); }

  static inline const QColor kLinkColour{0, 0, 238};
  static inline const QColor kVisitedColour{85, 26, 139};

  // Sized to its text, it asks a layout for just that width.
  QSize sizeHint() const override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SetShownText(const QString& text);
  int TextWidth() const;
  void ShowCutTextAsToolTip();
  void ApplyColour();

  QString m_strShown;
  QString m_strTarget;
  bool m_bVisited = false;
  bool m_bSizeToText = true;
  Opener m_opener;
  Teller m_teller;
};

}  // namespace varnwick
