// The main window's wiring: what the shell holds is what the controls show, and the user's mouse
// and keys reach the shell. The rules behind the commands are the shell's, tested there.
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QStyleOptionViewItem>
#include <QTimer>

#include "CClassRowDelegate.h"
#include "CElidedLabel.h"
#include "CHyperLinkEdit.h"
#include "CMainDlg.h"
#include "CMemberGridCtrl.h"
#include "Generation.h"
#include "MessageText.h"
#include "ShellCommands.h"
#include "UiTestSupport.h"
#include "UiText.h"

using namespace varnwick;
using namespace varnwick::test;

namespace {

// First class CZebra sorts after CApple, so the selected row is not the first.
const std::string kZebraApple =
    "class CZebra : public CDialog\r\n{\r\n"
    "\t//{{AFX_DATA(CZebra)\r\n\tCString m_strTitle;\r\n\t//}}AFX_DATA\r\n"
    "\tint m_nCount;\r\n\tCWnd* m_pParent;\r\n\tstatic int s_nTotal;\r\n"
    "\tCList<CItem, CItem&> m_values;\r\n\tCTypedPtrList<CPtrList, CItem*> m_items;\r\n"
    "\tCMyDoc* m_pDoc;\r\n\tint m_alpha;\r\n};\r\n"
    "class CApple\r\n{\r\n\tint m_a;\r\n};\r\n";

std::string OneClass(const std::string& name) {
  return "class " + name + "\r\n{\r\n\tint m_n" + name + ";\r\n};\r\n";
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

class TestMainDlg : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<CFakeDialogs> m_fake;
  CHeaderFolder m_folder;

  std::unique_ptr<CMainDlg> Open(const std::string& startup = {}) { return OpenWithFakes(m_fake, startup); }
  std::unique_ptr<CMainDlg> OpenShown(const std::string& startup = {}) {
    m_fake = std::make_shared<CFakeDialogs>();
    return OpenShownWindow(startup, m_fake);
  }
  static QListWidget* ClassList(CMainDlg& dlg) { return dlg.findChild<QListWidget*>("1000"); }
  static QListWidget* MemberList(CMainDlg& dlg) { return dlg.findChild<QListWidget*>("1001"); }
  static CMemberGridCtrl* Grid(CMainDlg& dlg) { return dlg.findChild<CMemberGridCtrl*>("1003"); }
  static QCheckBox* CheckBox(CMainDlg& dlg) { return dlg.findChild<QCheckBox*>("1006"); }

  static QStringList Texts(QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
  }
  // The controls show exactly the shell's class list, its selection and its member rows.
  static void VerifyPaintedFromShell(CMainDlg& dlg) {
    const CMainShell& shell = dlg.Shell();
    QListWidget* classes = ClassList(dlg);
    QCOMPARE(static_cast<std::size_t>(classes->count()), shell.ClassList().rows.size());
    for (int row = 0; row < classes->count(); ++row)
      QCOMPARE(classes->item(row)->text(), ToQString(shell.ClassAtRow(static_cast<std::size_t>(row)).m_strName));
    const auto selected = shell.ClassList().selectedRow;
    QCOMPARE(classes->currentRow(), selected ? static_cast<int>(*selected) : -1);
    QStringList lines;
    for (const CMemberInfo* member : shell.Members().ListOrder()) lines << ToQString(member->LineText());
    QCOMPARE(Texts(MemberList(dlg)), lines);
    const std::vector<CGridRow>& rows = shell.Members().Grid();
    QCOMPARE(static_cast<std::size_t>(Grid(dlg)->RowCount()), rows.size());
    for (int row = 0; row < Grid(dlg)->RowCount(); ++row) {
      const CGridRow& shown = rows[static_cast<std::size_t>(row)];
      QCOMPARE(Grid(dlg)->ItemText(row, 0), shown.member->m_strType);
      QCOMPARE(Grid(dlg)->ItemText(row, 1), shown.member->m_strName);
      QCOMPARE(Grid(dlg)->IconIndex(row), shown.member->IconIndex());
      QCOMPARE(Grid(dlg)->GetCheckState(row), shown.state);
    }
  }
  static int GridRow(CMainDlg& dlg, const std::string& name) {
    for (int row = 0; row < Grid(dlg)->RowCount(); ++row)
      if (Grid(dlg)->ItemText(row, 1) == name) return row;
    return -1;
  }
  // What the shell's generator gives for the selected class as the grid stands.
  static GeneratedText Expected(CMainDlg& dlg, const GeneratorInfo& generator) {
    const CMainShell& shell = dlg.Shell();
    const CGeneration result = RunGenerator(generator.kind, *shell.SelectedClass(), shell.Members().ListOrder(),
                                            shell.Members().StateRows(), shell.CheckPtrList());
    return result.text.value_or(GeneratedText{});
  }
  // The menu as built, against the table it was built from.
  static void VerifyMenuFollowsTable(const QList<QAction*>& actions, std::span<const CMenuItem> items) {
    QCOMPARE(static_cast<std::size_t>(actions.size()), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
      QAction* action = actions[static_cast<qsizetype>(i)];
      const CMenuItem& item = items[i];
      QCOMPARE(action->isSeparator(), item.IsSeparator());
      if (item.IsSeparator()) continue;
      QCOMPARE(action->text(), Text(MarkedMenuText(item)));
      QCOMPARE(action->menu() != nullptr, item.IsSubmenu());
      if (item.IsSubmenu()) {
        VerifyMenuFollowsTable(action->menu()->actions(), item.items);
        continue;
      }
      QCOMPARE(action->data().toInt(), item.commandId);
      QCOMPARE(action->shortcut(), QKeySequence(Text(item.shortcut)));
      QCOMPARE(action->isEnabled(), !item.inactive);
      QVERIFY(!action->isCheckable());
    }
  }

 private slots:
  void startsEmptyWithTheSettingOn() {
    auto dlg = Open();
    QCOMPARE(ClassList(*dlg)->count(), 0);
    QCOMPARE(MemberList(*dlg)->count(), 0);
    QCOMPARE(Grid(*dlg)->RowCount(), 0);
    QCOMPARE(CheckBox(*dlg)->isChecked(), dlg->Shell().CheckPtrList());
    QVERIFY(CheckBox(*dlg)->isChecked());
    QVERIFY(m_fake->messages.empty());
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Varnwick"));
    QVERIFY(dlg->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!dlg->windowIcon().isNull());
    for (int kind = 0; kind < 6; ++kind) QCOMPARE(Grid(*dlg)->MemberIcon(kind)->size(), QSize(16, 16));
  }

  // The link shows the program's folder, whose length depends on where the program lies.
  void theLinkIsWholeInsideTheShownWindow() {
    auto dlg = OpenShown();
    const QWidget* client = dlg->findChild<QWidget*>("client");
    const QWidget* link = dlg->findChild<QWidget*>("1010");
    QVERIFY(link->width() >= link->sizeHint().width());
    QVERIFY(client->rect().contains(QRect(link->mapTo(client, QPoint(0, 0)), link->size())));
  }

  void startupFilesArePaintedFromTheShell() {
    const std::string zebra = m_folder.Write("zebra.h", kZebraApple);
    m_fake = std::make_shared<CFakeDialogs>();
    CMainDlg dlg(std::vector<std::string>{zebra, m_folder.Write("beta.h", OneClass("CBeta"))}, m_fake);
    QCOMPARE(dlg.Shell().Catalogue().Size(), std::size_t{3});
    VerifyPaintedFromShell(dlg);

    ClassList(dlg)->setCurrentRow(0);
    QCOMPARE(dlg.Shell().ClassList().selectedRow, std::optional<std::size_t>(0));
    QVERIFY(dlg.Shell().SelectedClass() != nullptr);
    VerifyPaintedFromShell(dlg);
    ClassList(dlg)->setCurrentRow(2);
    VerifyPaintedFromShell(dlg);
    QCOMPARE(MemberList(dlg)->count(), 8);
  }

  void startupMessageWaitsForTheWindowAndComesOnce() {
    const std::string empty = m_folder.Write("empty.h", "// nothing here\r\nint g_value;\r\n");
    auto dlg = Open(empty);
    QVERIFY(m_fake->messages.empty());
    dlg->show();
    QTRY_COMPARE(m_fake->messages, std::vector<QString>{ToQString(NoClassInformationFor(empty))});
    QCOMPARE(m_fake->ownerShownForMessage, std::vector<bool>{true});
    dlg->hide();
    dlg->show();
    QTest::qWait(20);
    QCOMPARE(m_fake->messages.size(), std::size_t{1});
  }

  void mouseSelectsClassesButNotWithTheRightButton() {
    auto dlg = OpenShown(m_folder.Write("zebra.h", kZebraApple));
    QListWidget* classes = ClassList(*dlg);
    const auto click = [classes](int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}) {
      QTest::mouseClick(classes->viewport(), button, modifiers, classes->visualItemRect(classes->item(row)).center());
    };
    click(0, Qt::LeftButton);
    QCOMPARE(dlg->Shell().ClassList().selectedRow, std::optional<std::size_t>(0));
    VerifyPaintedFromShell(*dlg);
    click(1, Qt::RightButton);
    QCOMPARE(dlg->Shell().ClassList().selectedRow, std::optional<std::size_t>(0));
    click(0, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(dlg->Shell().ClassList().selectedRow, std::optional<std::size_t>(0));
    QCOMPARE(classes->currentRow(), 0);
    click(1, Qt::LeftButton);
    QCOMPARE(dlg->Shell().ClassList().selectedRow, std::optional<std::size_t>(1));
    VerifyPaintedFromShell(*dlg);
  }

  void gridClicksAndHeadingsReachTheShell() {
    auto dlg = OpenShown(m_folder.Write("zebra.h", kZebraApple));
    CMemberGridCtrl* grid = Grid(*dlg);
    const int alpha = GridRow(*dlg, "m_alpha");
    const int before = grid->GetCheckState(alpha);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CheckBoxRect(alpha).center());
    QCOMPARE(dlg->Shell().FindMemberState("m_alpha"), (before + 1) % 3);
    QCOMPARE(grid->GetCheckState(alpha), dlg->Shell().FindMemberState("m_alpha"));
    QVERIFY(grid->selectedItems().isEmpty());

    // A heading click: the rows come back in the shell's order, each with its state.
    grid->setCurrentItem(grid->topLevelItem(GridRow(*dlg, "m_items")));
    QHeaderView* header = grid->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    QVERIFY(GridRow(*dlg, "m_alpha") != alpha);
    VerifyPaintedFromShell(*dlg);
    // The current row stays on its member.
    QCOMPARE(grid->currentIndex().row(), GridRow(*dlg, "m_items"));

    const int items = GridRow(*dlg, "m_items");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(grid->GetCheckState(items), dlg->Shell().FindMemberState("m_items"));
    VerifyPaintedFromShell(*dlg);
  }

  void everyMenuEntryReachesTheShell() {
    auto dlg = Open(m_folder.Write("zebra.h", kZebraApple));
    for (const GeneratorInfo& info : AllGenerators()) {
      const GeneratedText expected = Expected(*dlg, info);
      QVERIFY(!expected.body.empty());
      FindCommand(dlg->MenuBar()->actions(), info.commandId)->trigger();
      m_fake->chooseAction = FindCommand(dlg->ContextMenu()->actions(), info.commandId);
      dlg->OpenContextMenu(QPoint(10, 10));
      QCOMPARE(m_fake->texts.size(), std::size_t{2});
      for (const GeneratedText& text : m_fake->texts) {
        QCOMPARE(text.body, expected.body);
        QCOMPARE(text.declaration, expected.declaration);
      }
      m_fake->texts.clear();
    }
    FindCommand(dlg->MenuBar()->actions(), kCommandAbout)->trigger();
    QCOMPARE(m_fake->abouts, 1);
    dlg->findChild<QPushButton*>("1007")->click();
    QCOMPARE(m_fake->legends, 1);
  }

  void theCheckBoxAndItsCommandStayTogether() {
    auto dlg = Open();
    CheckBox(*dlg)->click();
    QVERIFY(!dlg->Shell().CheckPtrList());
    FindCommand(dlg->MenuBar()->actions(), kCommandCheckPtrList)->trigger();
    QVERIFY(dlg->Shell().CheckPtrList());
    QVERIFY(CheckBox(*dlg)->isChecked());
    FindCommand(dlg->MenuBar()->actions(), kCommandCheckPtrList)->trigger();
    QVERIFY(!CheckBox(*dlg)->isChecked());
    QVERIFY(!dlg->Shell().CheckPtrList());
  }

  void menusAreBuiltFromTheShellsTables() {
    auto dlg = Open();
    const QList<QAction*> bar = dlg->MenuBar()->actions();
    const std::span<const CMenuItem> barItems = MenuBarItems();
    QCOMPARE(static_cast<std::size_t>(bar.size()), barItems.size());
    for (qsizetype i = 0; i < bar.size(); ++i) {
      QCOMPARE(bar[i]->text(), Text(MarkedMenuText(barItems[static_cast<std::size_t>(i)])));
      VerifyMenuFollowsTable(bar[i]->menu()->actions(), barItems[static_cast<std::size_t>(i)].items);
    }
    QCOMPARE(dlg->ContextMenu()->title(), Text(kContextMenuTitle));
    VerifyMenuFollowsTable(dlg->ContextMenu()->actions(), ContextMenuItems());

    // The inactive heading cannot be chosen but reads in the normal colours.
    QAction* heading = nullptr;
    for (QAction* action : dlg->ContextMenu()->actions())
      if (!action->isSeparator() && !action->isEnabled()) heading = action;
    QVERIFY(heading != nullptr);
    const QPalette colours = dlg->ContextMenu()->palette();
    QCOMPARE(colours.color(QPalette::Disabled, QPalette::Text), colours.color(QPalette::Active, QPalette::Text));
    QCOMPARE(colours.color(QPalette::Disabled, QPalette::WindowText),
             colours.color(QPalette::Active, QPalette::WindowText));
    m_fake->chooseAction = heading;
    dlg->OpenContextMenu(QPoint(1, 1));
    QVERIFY(m_fake->texts.empty() && m_fake->messages.empty() && m_fake->folderTitles.empty());
  }

  void contextMenuOpensAtMouseOrCorner() {
    auto dlg = OpenShown(m_folder.Write("zebra.h", kZebraApple));
    for (QWidget* target : {static_cast<QWidget*>(ClassList(*dlg)->viewport()),
                            static_cast<QWidget*>(Grid(*dlg)->viewport()), dlg->findChild<QWidget*>("client"),
                            static_cast<QWidget*>(dlg->findChild<QWidget*>("1010"))}) {
      const QPoint local(7, 4);
      QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
      QApplication::sendEvent(target, &event);
      QCOMPARE(m_fake->menuPoints.back(), target->mapToGlobal(local));
      QCOMPARE(m_fake->shownMenu, dlg->ContextMenu());
    }

    const QPoint corner = dlg->findChild<QWidget*>("client")->mapToGlobal(QPoint(5, 5));
    QCOMPARE(dlg->KeyboardMenuPoint(), corner);
    Grid(*dlg)->setFocus();
    const std::size_t shown = m_fake->menuPoints.size();
    QTest::keyClick(Grid(*dlg), Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(m_fake->menuPoints.size(), shown + 1);
    QCOMPARE(m_fake->menuPoints.back(), corner);
    QTest::keyClick(CheckBox(*dlg), Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(m_fake->menuPoints.back(), corner);
    QTest::keyClick(Grid(*dlg), Qt::Key_F10);
    QCOMPARE(m_fake->menuPoints.size(), shown + 2);

    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(40, 40), ClassList(*dlg)->mapToGlobal(QPoint(40, 40)));
    QApplication::sendEvent(ClassList(*dlg), &key);
    QCOMPARE(m_fake->menuPoints.back(), corner);
  }

  void enterAndEscapeAskTheShellBeforeClosing() {
    auto dlg = OpenShown(m_folder.Write("zebra.h", kZebraApple));
    // Enter in the lists, the grid and the check box, and Escape anywhere, ask; "No" keeps all.
    for (QWidget* control : {static_cast<QWidget*>(ClassList(*dlg)), static_cast<QWidget*>(MemberList(*dlg)),
                             static_cast<QWidget*>(Grid(*dlg)), static_cast<QWidget*>(CheckBox(*dlg))}) {
      for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        control->setFocus();
        QTest::keyClick(control, key);
        QVERIFY2(dlg->isVisible(), qPrintable(control->objectName()));
      }
    }
    QCOMPARE(m_fake->questions, std::vector<QString>(12, Text(kQuitQuestion)));

    m_fake->answerYes = true;
    ClassList(*dlg)->setFocus();
    QTest::keyClick(ClassList(*dlg), Qt::Key_Return);
    QVERIFY(!dlg->isVisible());
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    QTest::keyClick(Grid(*dlg), Qt::Key_Escape);
    QVERIFY(!dlg->isVisible());
    QCOMPARE(dlg->result(), int(QDialog::Rejected));
  }

  void quitAndTheCloseBoxCloseAtOnce() {
    auto dlg = OpenShown(m_folder.Write("zebra.h", kZebraApple));
    dlg->findChild<QPushButton*>("1")->click();
    QVERIFY(!dlg->isVisible());
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    dlg->show();
    QVERIFY(dlg->close());
    QVERIFY(!dlg->isVisible());
    QVERIFY(m_fake->questions.empty());
  }

  // The focus starts where the user works, never on "Quit": Enter asks as it does anywhere, and
  // Space does nothing to the window. "Quit" keeps its place first in the tab order.
  void theFocusStartsOnTheListNotOnQuit() {
    auto dlg = OpenShown(m_folder.Write("zebra.h", kZebraApple));
    dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ClassList(*dlg)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(dlg->isVisible());
    QCOMPARE(m_fake->questions, std::vector<QString>{Text(kQuitQuestion)});
    // "Quit" keeps its place in the tab order, just before the filter.
    QWidget* next = dlg->findChild<QWidget*>("1")->nextInFocusChain();
    while ((next->focusPolicy() & Qt::TabFocus) == 0) next = next->nextInFocusChain();
    QCOMPARE(next, dlg->findChild<QWidget*>("classFilter"));

    auto empty = OpenShown();
    empty->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(empty.get()));
    QTRY_COMPARE(QApplication::focusWidget(), empty->findChild<QWidget*>("classFilter"));
  }

  // A dialog leaves the focus where the shell says it belongs, even when "Quit" had it before.
  void theFocusComesBackToTheListAfterADialog() {
    auto dlg = OpenShown(m_folder.Write("zebra.h", kZebraApple));
    dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    dlg->findChild<QPushButton*>("1")->setFocus();
    m_fake->nextFile = m_folder.Write("beta.h", OneClass("CBeta"));
    FindCommand(dlg->MenuBar()->actions(), kCommandClassAdd)->trigger();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ClassList(*dlg)));
    dlg->findChild<QPushButton*>("1")->setFocus();
    m_fake->nextFolder = std::nullopt;
    FindCommand(dlg->MenuBar()->actions(), kCommandClassAddDirectory)->trigger();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ClassList(*dlg)));
  }

  // Alt with a menu's underlined letter opens it; F10 and Alt alone enter the menu bar.
  void theMenuBarIsReachedFromTheKeyboard() {
    auto dlg = OpenShown(m_folder.Write("zebra.h", kZebraApple));
    dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    const QList<QAction*> bar = dlg->MenuBar()->actions();
    QCOMPARE(bar.value(0)->text(), QStringLiteral("&Class"));
    QCOMPARE(bar.value(1)->text(), QStringLiteral("&Generate"));
    const auto closeMenus = [] {
      while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    };

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(bar[1]->menu()->isVisible());
    // Inside the open menu the letter alone chooses: "Modal D&ilaog" runs its generator.
    QTest::keyClick(bar[1]->menu(), Qt::Key_I);
    QTRY_COMPARE(m_fake->texts.size(), std::size_t{1});
    closeMenus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QTRY_VERIFY(bar[0]->menu()->isVisible());
    closeMenus();
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);

    QWidget* focus = QApplication::focusWidget();
    QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(focus, Qt::Key_Alt, Qt::NoModifier);
    QTRY_VERIFY(dlg->MenuBar()->hasFocus() || dlg->MenuBar()->activeAction() != nullptr);
    QTest::keyClick(dlg->MenuBar(), Qt::Key_Escape);
    QVERIFY(dlg->isVisible());
  }

  // Two classes of one name are told apart by their headers' file names, painted after the name;
  // every row names its header's path in its tooltip, and the status line the selected one's.
  void sharedNamesShowTheirFileNames() {
    const std::string first = m_folder.Write("one/view.h", OneClass("CView") + OneClass("CAlone"));
    const std::string second = m_folder.Write("two/view2.h", OneClass("CView"));
    m_fake = std::make_shared<CFakeDialogs>();
    CMainDlg dlg(std::vector<std::string>{first, second}, m_fake);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QListWidget* classes = ClassList(dlg);
    QCOMPARE(Texts(classes), (QStringList{"CAlone", "CView", "CView"}));
    QStringList fileNames;
    QStringList tips;
    for (int row = 0; row < classes->count(); ++row) {
      fileNames << classes->item(row)->data(kFileNameRole).toString();
      tips << classes->item(row)->toolTip();
    }
    QCOMPARE(fileNames.value(0), QString());
    fileNames.removeFirst();
    fileNames.sort();
    QCOMPARE(fileNames, (QStringList{"view.h", "view2.h"}));
    QCOMPARE(tips.value(0), ToQString(first));
    QVERIFY(tips.contains(ToQString(second)));
    // The file name is painted: the row wants room for it.
    const QAbstractItemDelegate* painter = classes->itemDelegate();
    QStyleOptionViewItem option;
    option.initFrom(classes);
    QVERIFY(painter->sizeHint(option, classes->model()->index(1, 0)).width() >
            painter->sizeHint(option, classes->model()->index(0, 0)).width() +
                classes->fontMetrics().horizontalAdvance(QStringLiteral("view.h")));

    classes->setCurrentRow(1);
    auto* path = dlg.findChild<CElidedLabel*>("statusClassPath");
    QCOMPARE(path->Text(), ToQString(dlg.Shell().Status().classPath));
    QCOMPARE(path->Text(), classes->item(1)->toolTip());
    auto* message = dlg.findChild<CElidedLabel*>("statusMessage");
    QCOMPARE(message->Text(), ToQString(dlg.Shell().Status().message));
  }

  // A long path is cut in its middle, so that both its start and its file name stay in sight.
  void theStatusLineCutsALongPathInTheMiddle() {
    // Longer than any window's least width, which grows with the link's folder.
    const QString folder = QString(200, QLatin1Char('d')) + QLatin1Char('/') + QString(200, QLatin1Char('e'));
    const std::string deep = m_folder.Write(folder + QStringLiteral("/deep.h"), OneClass("CDeep"));
    auto dlg = OpenShown(deep);
    dlg->resize(dlg->minimumSize());
    QApplication::processEvents();
    auto* path = dlg->findChild<CElidedLabel*>("statusClassPath");
    QCOMPARE(path->Text(), ToQString(deep));
    const QString shown = path->ShownText();
    QVERIFY2(shown != path->Text() && shown.endsWith(QStringLiteral("/deep.h")) &&
                 shown.startsWith(path->Text().left(2)),
             qPrintable(shown));
    QCOMPARE(path->toolTip(), path->Text());
  }

  // The window's link tells its failure through the window's own message.
  void theLinkSaysWhenItCannotOpen() {
    auto dlg = OpenShown();
    auto* link = dlg->findChild<CHyperLinkEdit*>("1010");
    link->SetOpener([](const QString&) { return false; });
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, link->height() / 2));
    QCOMPARE(m_fake->messages.size(), std::size_t{1});
    QVERIFY(m_fake->messages[0].startsWith(QStringLiteral("Could not open /")));
  }

  void theRealQuestionDefaultsToNo() {
    CDialogs real;
    QWidget owner;
    owner.show();
    std::vector<bool> answers;
    QStringList buttons;
    bool noIsDefault = false;
    // Answers the box with `key` once it is up.
    const auto answerWith = [&](Qt::Key key) {
      QTimer::singleShot(0, [&, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        buttons.clear();
        for (QAbstractButton* button : box->buttons()) buttons << button->text().remove('&');
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        QTest::keyClick(box, key);
      });
      answers.push_back(real.Ask(&owner, Text(kQuitQuestion)));
    };
    answerWith(Qt::Key_Return);
    answerWith(Qt::Key_Escape);
    QCOMPARE(answers, (std::vector<bool>{false, false}));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"No", "Yes"}));
    QVERIFY(noIsDefault);
  }

  void shortcutsRunTheirCommands() {
    auto dlg = Open(m_folder.Write("four.h", OneClass("CC") + OneClass("CA") + OneClass("CB")));
    dlg->show();
    dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    m_fake->nextFile = m_folder.Write("beta.h", OneClass("CBeta"));
    QTest::keyClick(dlg.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dlg->Shell().Catalogue().Size(), std::size_t{4});
    VerifyPaintedFromShell(*dlg);
    QTest::keyClick(dlg.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_fake->folderTitles, std::vector<std::string>{std::string(kFolderPickerTitle)});

    // Delete works while the class list has the focus, and only then.
    ClassList(*dlg)->setFocus();
    ClassList(*dlg)->setCurrentRow(0);
    QTest::keyClick(ClassList(*dlg), Qt::Key_Delete);
    QCOMPARE(dlg->Shell().Catalogue().Size(), std::size_t{3});
    QVERIFY(!Texts(ClassList(*dlg)).contains("CA"));
    VerifyPaintedFromShell(*dlg);
    Grid(*dlg)->setFocus();
    QTest::keyClick(Grid(*dlg), Qt::Key_Delete);
    QCOMPARE(dlg->Shell().Catalogue().Size(), std::size_t{3});

    QTest::keyClick(dlg.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(dlg->findChild<QLineEdit*>("classFilter")->hasFocus());
  }
};

QTEST_MAIN(TestMainDlg)
#include "tst_MainDlg.moc"
