#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CDialogs.h"
#include "CMainDlg.h"

namespace varnwick::test {

// Stands in for every modal window: answers what the test set up and records what was shown.
class CFakeDialogs : public CDialogs {
 public:
  std::optional<std::string> OpenHeaderFile(QWidget*, const std::string&) override { return nextFile; }
  std::optional<std::string> PickFolder(QWidget*, const std::string& title, const std::string&) override {
    folderTitles.push_back(title);
    return nextFolder;
  }
  void Message(QWidget* owner, const QString& text) override {
    messages.push_back(text);
    ownerShownForMessage.push_back(owner != nullptr && owner->isVisible());
  }
  void DetailedMessage(QWidget*, const QString& summary, const QString& details) override {
    messages.push_back(summary + QLatin1Char('\n') + details);
  }
  bool Ask(QWidget*, const QString& question) override {
    questions.push_back(question);
    return answerYes;
  }
  void ShowText(QWidget*, const GeneratedText& text, CWindowSettings&) override { texts.push_back(text); }
  void ShowLegend(QWidget*) override { ++legends; }
  void ShowAbout(QWidget*) override { ++abouts; }
  QAction* PopupMenu(QMenu& menu, const QPoint& screenPoint) override {
    menuPoints.push_back(screenPoint);
    shownMenu = &menu;
    return chooseAction;
  }

  std::optional<std::string> nextFile;
  std::optional<std::string> nextFolder;
  QAction* chooseAction = nullptr;
  bool answerYes = false;

  std::vector<std::string> folderTitles;
  std::vector<QString> messages;
  std::vector<bool> ownerShownForMessage;
  std::vector<QString> questions;
  std::vector<GeneratedText> texts;
  std::vector<QPoint> menuPoints;
  QMenu* shownMenu = nullptr;
  int legends = 0;
  int abouts = 0;
};

// A folder of test headers that disappears with the test.
class CHeaderFolder {
 public:
  std::string Write(const QString& name, const std::string& text) {
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path.toStdString();
  }
  std::string Path() const { return m_dir.path().toStdString(); }

 private:
  QTemporaryDir m_dir;
};

// The main window on a start-up file (none when empty), with every modal window faked, shown.
inline std::unique_ptr<CMainDlg> OpenShownWindow(const std::string& startup, std::shared_ptr<CFakeDialogs> fake) {
  auto window = std::make_unique<CMainDlg>(startup, std::move(fake));
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) qFatal("the main window was not shown");
  return window;
}

// Finds the action of a command among a menu and its submenus.
inline QAction* FindCommand(const QList<QAction*>& actions, int commandId) {
  for (QAction* action : actions) {
    if (action->menu() != nullptr) {
      if (QAction* inner = FindCommand(action->menu()->actions(), commandId)) return inner;
    } else if (action->data().toInt() == commandId) {
      return action;
    }
  }
  return nullptr;
}

// The real main window on `startup`, its modal windows replaced by a new fake that `fake` keeps.
inline std::unique_ptr<CMainDlg> OpenWithFakes(std::shared_ptr<CFakeDialogs>& fake, const std::string& startup = {}) {
  fake = std::make_shared<CFakeDialogs>();
  return std::make_unique<CMainDlg>(startup, fake);
}

}  // namespace varnwick::test
