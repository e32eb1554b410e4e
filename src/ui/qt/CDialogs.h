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

// Everything the main window shows modally goes through here, so that tests can drive the real
// window without entering modal loops; the program uses these real implementations.
class CDialogs {
 public:
  virtual ~CDialogs() = default;

  // The file-open dialog for one header; nullopt when the user cancels.
  virtual std::optional<std::string> OpenHeaderFile(QWidget* owner);
  // The folder picker with a title; nullopt when the user cancels.
  virtual std::optional<std::string> PickFolder(QWidget* owner, const std::string& title);
  // A message box with one "OK" button, centred on its owner.
  virtual void Message(QWidget* owner, const QString& text);
  // A question with "Yes" and "No", "No" the default; true for "Yes".
  virtual bool Ask(QWidget* owner, const QString& question);
  // The text window for one generated text, run modally.
  virtual void ShowText(QWidget* owner, const GeneratedText& text);
  virtual void ShowLegend(QWidget* owner);
  virtual void ShowAbout(QWidget* owner);
  // Runs a popup menu at a screen point; the chosen action, or null.
  virtual QAction* PopupMenu(QMenu& menu, const QPoint& screenPoint);
};

}  // namespace varnwick
