#pragma once

#include <QPoint>
#include <QString>
#include <optional>
#include <string>

#include "Generator.h"

class QAction;
class QMenu;
class QWidget;

namespace varnwick {

class CWindowSettings;

// Everything the main window shows modally goes through here, so that tests can drive the real
// window without entering modal loops; the program uses these real implementations.
class CDialogs {
 public:
  virtual ~CDialogs() = default;

  // The file-open dialog for one header, opening in `startFolder` unless it is empty; nullopt when
  // the user cancels.
  virtual std::optional<std::string> OpenHeaderFile(QWidget* owner, const std::string& startFolder);
  // The folder picker with a title, opening at `startFolder` unless it is empty; nullopt when the
  // user cancels.
  virtual std::optional<std::string> PickFolder(QWidget* owner, const std::string& title,
                                                const std::string& startFolder);
  // A message box with one "OK" button, centred on its owner.
  virtual void Message(QWidget* owner, const QString& text);
  // A message over a list that scrolls in a box of its own; never taller than the screen.
  virtual void DetailedMessage(QWidget* owner, const QString& summary, const QString& details);
  // A question with "Yes" and "No", "No" the default; true for "Yes".
  virtual bool Ask(QWidget* owner, const QString& question);
  // The text window for one generated text, run modally, at the size `settings` keep for it.
  virtual void ShowText(QWidget* owner, const GeneratedText& text, CWindowSettings& settings);
  virtual void ShowLegend(QWidget* owner);
  virtual void ShowAbout(QWidget* owner);
  // Runs a popup menu at a screen point; the chosen action, or null.
  virtual QAction* PopupMenu(QMenu& menu, const QPoint& screenPoint);
};

}  // namespace varnwick
