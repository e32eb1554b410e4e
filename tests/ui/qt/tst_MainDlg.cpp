// Drives the real main window through its commands, with the modal windows replaced by a fake.
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "CMainDlg.h"
#include "CMemberGridCtrl.h"
#include "Generator.h"
#include "ListOrder.h"
#include "MemberStates.h"
#include "UiTestSupport.h"

using namespace varnwick;
using namespace varnwick::test;

namespace {

// First class CZebra sorts after CApple: the selection must follow the file, not the sort.
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

constexpr int kSerializeCommand = 32775;

}  // namespace

class TestMainDlg : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<CFakeDialogs> m_fake;
  CHeaderFolder m_folder;

  std::unique_ptr<CMainDlg> Open(const std::string& startup = {}) {
    m_fake = std::make_shared<CFakeDialogs>();
    return std::make_unique<CMainDlg>(startup, m_fake);
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
  static QString SelectedText(CMainDlg& dlg) {
    const auto selected = ClassList(dlg)->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
  }
  static int GridRow(CMainDlg& dlg, const std::string& name) {
    for (int row = 0; row < Grid(dlg)->RowCount(); ++row)
      if (Grid(dlg)->ItemText(row, 1) == name) return row;
    return -1;
  }
  // What the generator gives for the selected class with the grid's current states.
  static GeneratedText Expected(CMainDlg& dlg, int commandId, bool checkPtrList) {
    const auto rows = Grid(dlg)->MemberRows();
    const CClassInfo& record = *dlg.SelectedClass();
    const auto text = Generate(FindGeneratorByCommand(commandId)->kind, record, MemberListOrder(record),
                               [&rows](const std::string& name) { return FindMemberState(rows, name); },
                               checkPtrList);
    return text.value_or(GeneratedText{});
  }
  // The class list shows exactly what a full refill of the catalogue would show.
  static void VerifyClassListMatchesCatalogue(CMainDlg& dlg) {
    const CClassList expected = dlg.Catalogue().FillClassList();
    QListWidget* list = ClassList(dlg);
    QCOMPARE(static_cast<std::size_t>(list->count()), expected.rows.size());
    for (int row = 0; row < list->count(); ++row) {
      const CClassInfo& record = dlg.Catalogue().At(expected.rows[static_cast<std::size_t>(row)]);
      QCOMPARE(list->item(row)->text().toStdString(), record.m_strName);
      QCOMPARE(list->item(row)->data(Qt::UserRole).value<quintptr>(), reinterpret_cast<quintptr>(&record));
    }
    QCOMPARE(list->currentRow(), expected.selectedRow ? static_cast<int>(*expected.selectedRow) : -1);
  }

 private slots:
  void startsEmptyWithTheSettingOn() {
    auto dlg = Open();
    QCOMPARE(ClassList(*dlg)->count(), 0);
    QCOMPARE(MemberList(*dlg)->count(), 0);
    QCOMPARE(Grid(*dlg)->RowCount(), 0);
    QVERIFY(CheckBox(*dlg)->isChecked());
    QVERIFY(dlg->CheckPtrList());
    QVERIFY(m_fake->messages.empty());
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Varnwick"));
    QVERIFY(dlg->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!dlg->windowIcon().isNull());
    for (int kind = 0; kind < 6; ++kind) QCOMPARE(Grid(*dlg)->MemberIcon(kind)->size(), QSize(16, 16));
    // The link is whole and inside the window.
    QWidget* link = dlg->findChild<QWidget*>("1010");
    QVERIFY(dlg->findChild<QWidget*>("client")->rect().contains(link->geometry()));
  }

  void startupHeaderSelectsItsFirstClass() {
    const std::string path = m_folder.Write("zebra.h", kZebraApple);
    auto dlg = Open(path);
    QVERIFY(m_fake->messages.empty());
    QCOMPARE(Texts(ClassList(*dlg)), (QStringList{"CApple", "CZebra"}));
    QCOMPARE(SelectedText(*dlg), QStringLiteral("CZebra"));

    const CClassInfo& zebra = *dlg->SelectedClass();
    QCOMPARE(zebra.m_strName, std::string("CZebra"));
    QStringList lineTexts;
    for (const CMemberInfo* member : MemberListOrder(zebra)) lineTexts << QString::fromStdString(member->LineText());
    QCOMPARE(Texts(MemberList(*dlg)), lineTexts);
    // The grid keeps header order, with each member's kind icon and shown state.
    QCOMPARE(static_cast<std::size_t>(Grid(*dlg)->RowCount()), zebra.m_pMembers.size());
    for (int row = 0; row < Grid(*dlg)->RowCount(); ++row) {
      const CMemberInfo& member = *zebra.m_pMembers[static_cast<std::size_t>(row)];
      QCOMPARE(Grid(*dlg)->ItemText(row, 0), member.m_strType);
      QCOMPARE(Grid(*dlg)->ItemText(row, 1), member.m_strName);
      QCOMPARE(Grid(*dlg)->IconIndex(row), member.IconIndex());
      QCOMPARE(Grid(*dlg)->GetCheckState(row), member.ShownCheckState());
    }
    QCOMPARE(Grid(*dlg)->GetCheckState(GridRow(*dlg, "m_pDoc")), 0);

    // Selecting the other class shows its members instead.
    ClassList(*dlg)->setCurrentRow(0);
    QCOMPARE(dlg->SelectedClass()->m_strName, std::string("CApple"));
    QCOMPARE(Texts(MemberList(*dlg)), QStringList{"int m_a"});
  }

  void startupHeaderWithoutClassIsReportedOverTheWindow() {
    const std::string empty = m_folder.Write("empty.h", "// nothing here\r\nint g_value;\r\n");
    auto dlg = Open(empty);
    // The message waits until the window is there to stand in front of.
    QVERIFY(m_fake->messages.empty());
    dlg->show();
    QTRY_COMPARE(m_fake->messages, std::vector<QString>{"No class information for " + QString::fromStdString(empty)});
    QCOMPARE(m_fake->ownerShownForMessage, std::vector<bool>{true});
    QCOMPARE(ClassList(*dlg)->count(), 0);
    dlg->hide();
    dlg->show();
    QTest::qWait(20);
    QCOMPARE(m_fake->messages.size(), std::size_t{1});

    auto missing = Open(m_folder.Path() + "/not there.h");
    missing->show();
    QTRY_COMPARE(m_fake->messages.size(), std::size_t{1});
    QVERIFY(m_fake->messages[0].endsWith("/not there.h"));
  }

  void everyStartupFileIsLoadedAsAddLoadsIt() {
    const std::string zebra = m_folder.Write("zebra.h", kZebraApple);
    const std::string beta = m_folder.Write("beta.h", OneClass("CBeta"));
    const std::string none = m_folder.Write("none.h", "int x;\r\n");
    std::string huge = OneClass("CHuge");
    huge.resize(1048576, ' ');
    const std::string large = m_folder.Write("huge.h", huge);
    m_fake = std::make_shared<CFakeDialogs>();
    CMainDlg dlg(std::vector<std::string>{zebra, none, large, beta, zebra}, m_fake);
    QCOMPARE(Texts(ClassList(dlg)), (QStringList{"CApple", "CApple", "CBeta", "CZebra", "CZebra"}));
    QCOMPARE(ClassList(dlg)->currentRow(), 4);  // the first class of the last file
    QCOMPARE(MemberList(dlg)->count(), 8);
    dlg.show();
    // One message for all of them, a line each.
    QTRY_COMPARE(m_fake->messages.size(), std::size_t{1});
    const QStringList lines = m_fake->messages[0].split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], "No class information for " + QString::fromStdString(none));
    QVERIFY(lines[1].contains(QString::fromStdString(large)));
  }

  void mouseSelectsClassesButNotWithTheRightButton() {
    auto dlg = Open(m_folder.Write("zebra.h", kZebraApple));
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    QListWidget* classes = ClassList(*dlg);
    const auto click = [classes](int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}) {
      QTest::mouseClick(classes->viewport(), button, modifiers, classes->visualItemRect(classes->item(row)).center());
    };
    click(0, Qt::LeftButton);
    QCOMPARE(SelectedText(*dlg), QStringLiteral("CApple"));
    QCOMPARE(Texts(MemberList(*dlg)), QStringList{"int m_a"});
    click(1, Qt::RightButton);
    QCOMPARE(SelectedText(*dlg), QStringLiteral("CApple"));
    click(0, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(SelectedText(*dlg), QStringLiteral("CApple"));
    click(1, Qt::LeftButton);
    QCOMPARE(SelectedText(*dlg), QStringLiteral("CZebra"));
    QCOMPARE(Grid(*dlg)->ItemText(0, 1), std::string("m_strTitle"));
    QCOMPARE(Texts(MemberList(*dlg)).size(), 8);
  }

  void addSelectsTheNewFileAndReportsFailures() {
    auto dlg = Open();
    m_fake->nextFile = m_folder.Write("zebra.h", kZebraApple);
    dlg->OnClassAdd();
    QCOMPARE(SelectedText(*dlg), QStringLiteral("CZebra"));

    m_fake->nextFile = m_folder.Write("beta.h", OneClass("CBeta"));
    dlg->OnClassAdd();
    QCOMPARE(Texts(ClassList(*dlg)), (QStringList{"CApple", "CBeta", "CZebra"}));
    QCOMPARE(SelectedText(*dlg), QStringLiteral("CBeta"));
    QCOMPARE(MemberList(*dlg)->count(), 1);

    // The same header again: every name twice, the newer one selected.
    dlg->OnClassAdd();
    QCOMPARE(Texts(ClassList(*dlg)), (QStringList{"CApple", "CBeta", "CBeta", "CZebra"}));
    QCOMPARE(ClassList(*dlg)->currentRow(), 2);

    const std::string noClass = m_folder.Write("none.h", "int x;\r\n");
    m_fake->nextFile = noClass;
    dlg->OnClassAdd();
    QCOMPARE(m_fake->messages, std::vector<QString>{"No class information in " + QString::fromStdString(noClass)});
    QCOMPARE(ClassList(*dlg)->count(), 4);

    m_fake->nextFile.reset();
    dlg->OnClassAdd();
    QCOMPARE(ClassList(*dlg)->count(), 4);
    QCOMPARE(m_fake->messages.size(), std::size_t{1});
  }

  void oversizedHeaderIsNamedAndEndsTheCommand() {
    auto dlg = Open();
    m_fake->nextFile = m_folder.Write("a.h", OneClass("CA"));
    dlg->OnClassAdd();
    std::string huge = OneClass("CHuge");
    huge.resize(1048576, ' ');
    const std::string path = m_folder.Write("huge.h", huge);
    m_fake->nextFile = path;
    dlg->OnClassAdd();
    QCOMPARE(m_fake->messages.size(), std::size_t{1});
    QVERIFY(m_fake->messages[0].contains(QString::fromStdString(path)));
    QVERIFY(!m_fake->messages[0].startsWith("No class information"));
    QCOMPARE(Texts(ClassList(*dlg)), QStringList{"CA"});
  }

  void deleteKeepsTheRowOrFallsBackToTheRefill() {
    auto dlg = Open();
    m_fake->nextFile = m_folder.Write("four.h", OneClass("CC") + OneClass("CA") + OneClass("CD") + OneClass("CB"));
    dlg->OnClassAdd();
    QCOMPARE(Texts(ClassList(*dlg)), (QStringList{"CA", "CB", "CC", "CD"}));

    ClassList(*dlg)->setCurrentRow(1);
    dlg->OnClassDelete();
    QCOMPARE(Texts(ClassList(*dlg)), (QStringList{"CA", "CC", "CD"}));
    QCOMPARE(ClassList(*dlg)->currentRow(), 1);
    QCOMPARE(Texts(MemberList(*dlg)), QStringList{"int m_nCC"});

    // The last row: the refill's choice stands, the remembered first class of the file.
    ClassList(*dlg)->setCurrentRow(2);
    dlg->OnClassDelete();
    QCOMPARE(Texts(ClassList(*dlg)), (QStringList{"CA", "CC"}));
    QCOMPARE(SelectedText(*dlg), QStringLiteral("CC"));
    ClassList(*dlg)->setCurrentRow(1);
    dlg->OnClassDelete();
    QCOMPARE(SelectedText(*dlg), QStringLiteral("CA"));
    QCOMPARE(Texts(MemberList(*dlg)), QStringList{"int m_nCA"});

    // Nothing selected: nothing happens.
    ClassList(*dlg)->clearSelection();
    dlg->OnClassDelete();
    QCOMPARE(dlg->Catalogue().Size(), std::size_t{1});

    dlg->OnClassDeleteAll();
    QCOMPARE(ClassList(*dlg)->count(), 0);
    QCOMPARE(MemberList(*dlg)->count(), 0);
    QCOMPARE(Grid(*dlg)->RowCount(), 0);
    dlg->OnGenerate(kSerializeCommand);
    QVERIFY(m_fake->texts.empty());
  }

  void addDirectoryReadsTheFolderOnly() {
    CHeaderFolder project;
    project.Write("one.h", OneClass("cb"));
    project.Write("two.h", OneClass("CA") + OneClass("Cz"));
    project.Write("three.h", OneClass("CB"));
    project.Write("notes.txt", OneClass("CText"));
    project.Write("sub/deep.h", OneClass("CDeep"));
    auto dlg = Open();
    m_fake->nextFile = m_folder.Write("early.h", OneClass("Cb"));
    dlg->OnClassAdd();

    m_fake->nextFolder.reset();
    dlg->OnClassAddDirectory();
    QCOMPARE(dlg->Catalogue().Size(), std::size_t{1});

    m_fake->nextFolder = project.Path();
    dlg->OnClassAddDirectory();
    QCOMPARE(m_fake->folderTitles.back(), std::string("Open your project directory"));
    QCOMPARE(dlg->Catalogue().Size(), std::size_t{5});
    VerifyClassListMatchesCatalogue(*dlg);
    QVERIFY(!Texts(ClassList(*dlg)).contains("CDeep"));
    QVERIFY(!Texts(ClassList(*dlg)).contains("CText"));
    QVERIFY(m_fake->messages.empty());
    QCOMPARE(dlg->SelectedClass(), &dlg->Catalogue().At(*dlg->Catalogue().RecordToSelect()));
    QCOMPARE(MemberList(*dlg)->count(), 1);
  }

  void addDirectoryGrowsTheListInOrder() {
    // An oversized last header ends the command before the final refill, so what stays is what
    // the list grew to file by file.
    CHeaderFolder project;
    project.Write("a.h", OneClass("CMid") + OneClass("cmid"));
    project.Write("b.h", OneClass("CAaa") + OneClass("CMID"));
    project.Write("c.h", OneClass("Czz"));
    project.Write("d.h", "int nothing;\r\n");
    std::string huge = OneClass("CHuge");
    huge.resize(1048576, ' ');
    const std::string hugePath = project.Write("zz.h", huge);
    auto dlg = Open();
    m_fake->nextFile = m_folder.Write("pre.h", OneClass("Cmid") + OneClass("CZ"));
    dlg->OnClassAdd();

    m_fake->nextFolder = project.Path();
    dlg->OnClassAddDirectory();
    QCOMPARE(m_fake->messages.size(), std::size_t{1});
    QVERIFY(m_fake->messages[0].contains(QString::fromStdString(hugePath)));
    QCOMPARE(dlg->Catalogue().Size(), std::size_t{7});
    VerifyClassListMatchesCatalogue(*dlg);
    // After the message the selected class's members are shown, and generating works.
    QCOMPARE(MemberList(*dlg)->count(), 1);
    QCOMPARE(Texts(MemberList(*dlg)), QStringList{"int m_n" + SelectedText(*dlg)});
    dlg->OnGenerate(kSerializeCommand);
    QCOMPARE(m_fake->texts.size(), std::size_t{1});
  }

  void everyCommandReachesItsGenerator() {
    auto dlg = Open(m_folder.Write("zebra.h", kZebraApple));
    // Untick one member first: the states come from the grid.
    Grid(*dlg)->SetCheckState(GridRow(*dlg, "m_nCount"), 0);
    for (const GeneratorInfo& info : AllGenerators()) {
      const GeneratedText expected = Expected(*dlg, info.commandId, true);
      QVERIFY(!expected.body.empty());

      FindCommand(dlg->MenuBar()->actions(), info.commandId)->trigger();
      QCOMPARE(m_fake->texts.size(), std::size_t{1});
      QCOMPARE(m_fake->texts[0].body, expected.body);
      QCOMPARE(m_fake->texts[0].declaration, expected.declaration);

      m_fake->chooseAction = FindCommand(dlg->ContextMenu()->actions(), info.commandId);
      dlg->OpenContextMenu(QPoint(10, 10));
      QCOMPARE(m_fake->texts.size(), std::size_t{2});
      QCOMPARE(m_fake->texts[1].body, expected.body);
      QCOMPARE(m_fake->texts[1].declaration, expected.declaration);
      m_fake->texts.clear();
    }
    QCOMPARE(m_fake->texts.size(), std::size_t{0});
    QVERIFY(Expected(*dlg, kSerializeCommand, true).body.find("m_nCount") == std::string::npos);
  }

  void classWithoutMembersShowsNoText() {
    auto dlg = Open(m_folder.Write("empty.h", "class CEmpty\r\n{\r\n};\r\n"));
    QCOMPARE(SelectedText(*dlg), QStringLiteral("CEmpty"));
    dlg->OnGenerate(kSerializeCommand);
    QVERIFY(m_fake->texts.empty());
  }

  void sortingTheGridKeepsStatesAndGenerationOrder() {
    auto dlg = Open(m_folder.Write("zebra.h", kZebraApple));
    CMemberGridCtrl* grid = Grid(*dlg);
    const GeneratedText before = Expected(*dlg, kSerializeCommand, true);
    grid->SetCheckState(GridRow(*dlg, "m_alpha"), 0);
    grid->SetCheckState(GridRow(*dlg, "m_items"), 2);
    const GeneratedText changed = Expected(*dlg, kSerializeCommand, true);
    QVERIFY(changed.body != before.body);

    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    QHeaderView* header = grid->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    QCOMPARE(grid->ItemText(0, 1), std::string("m_alpha"));
    QCOMPARE(dlg->FindMemberState("m_alpha"), 0);
    QCOMPARE(dlg->FindMemberState("m_items"), 2);
    QCOMPARE(dlg->FindMemberState("m_strTitle"), 1);
    QCOMPARE(dlg->FindMemberState("m_unknown"), 1);

    dlg->OnGenerate(kSerializeCommand);
    QCOMPARE(m_fake->texts.size(), std::size_t{1});
    QCOMPARE(m_fake->texts[0].body, changed.body);

    // Another class and back: the states start afresh.
    ClassList(*dlg)->setCurrentRow(0);
    ClassList(*dlg)->setCurrentRow(1);
    QCOMPARE(dlg->FindMemberState("m_alpha"), 1);
  }

  void theSettingFollowsBoxAndCommandIntoListResolution() {
    auto dlg = Open(m_folder.Write("zebra.h", kZebraApple));
    Grid(*dlg)->SetCheckState(GridRow(*dlg, "m_values"), 2);
    const std::string on = Expected(*dlg, kSerializeCommand, true).body;
    const std::string off = Expected(*dlg, kSerializeCommand, false).body;
    QVERIFY(on != off);

    CheckBox(*dlg)->click();
    QVERIFY(!dlg->CheckPtrList());
    dlg->OnGenerate(kSerializeCommand);
    QCOMPARE(m_fake->texts.back().body, off);

    FindCommand(dlg->MenuBar()->actions(), 32797)->trigger();
    QVERIFY(dlg->CheckPtrList());
    QVERIFY(CheckBox(*dlg)->isChecked());
    dlg->OnGenerate(kSerializeCommand);
    QCOMPARE(m_fake->texts.back().body, on);

    FindCommand(dlg->MenuBar()->actions(), 32797)->trigger();
    QVERIFY(!CheckBox(*dlg)->isChecked());
    QVERIFY(!FindCommand(dlg->MenuBar()->actions(), 32797)->isCheckable());
  }

  void menusReadExactlyAsDesigned() {
    auto dlg = Open();
    const auto titles = [](const QList<QAction*>& actions) {
      QStringList texts;
      for (QAction* action : actions) texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
      return texts;
    };
    const QList<QAction*> bar = dlg->MenuBar()->actions();
    QCOMPARE(titles(bar), (QStringList{"Class", "Generate", "Settings", "About"}));
    const QList<QAction*> classMenu = bar[0]->menu()->actions();
    QCOMPARE(titles(classMenu),
             (QStringList{"Add", "Add Directory", "Add Directory Tree", "Delete", "Delete All", "|", "Reload"}));
    QCOMPARE(classMenu[0]->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(classMenu[1]->shortcut(), QKeySequence("Ctrl+Shift+O"));
    QCOMPARE(classMenu[6]->shortcut(), QKeySequence("F5"));
    const QStringList generate{"Serialization", "Modal Dilaog", "Operator", "Members", "Copy Constructor"};
    QCOMPARE(titles(bar[1]->menu()->actions()), generate);
    QCOMPARE(titles(bar[2]->menu()->actions()), QStringList{"Check CTypedPtrList"});
    QCOMPARE(titles(bar[3]->menu()->actions()), QStringList{"About"});

    const QList<QAction*> popup = dlg->ContextMenu()->actions();
    QCOMPARE(titles(popup), (QStringList{"Add Class", "Add Directory", "Add Directory Tree", "Delete Class",
                                         "Delete All", "|", "---- Generate ----"} + generate));
    for (const QList<QAction*>& actions : {bar[1]->menu()->actions(), popup}) {
      const int first = actions.size() - 3;
      QCOMPARE(titles(actions[first]->menu()->actions()), (QStringList{"=", "==", "<", ">", "<<", ">>"}));
      QCOMPARE(titles(actions[first + 1]->menu()->actions()), (QStringList{"Members List", "Members List = value"}));
      QCOMPARE(titles(actions[first + 2]->menu()->actions()), (QStringList{"Use operator =", "Use Copy Constructors"}));
    }

    // The heading cannot be chosen but reads in the normal colours; everything else is enabled.
    QAction* heading = popup[6];
    QVERIFY(!heading->isEnabled());
    const QPalette colours = dlg->ContextMenu()->palette();
    QCOMPARE(colours.color(QPalette::Disabled, QPalette::Text), colours.color(QPalette::Active, QPalette::Text));
    QCOMPARE(colours.color(QPalette::Disabled, QPalette::WindowText),
             colours.color(QPalette::Active, QPalette::WindowText));
    for (QAction* action : popup)
      if (action != heading) QVERIFY(action->isEnabled());

    m_fake->chooseAction = heading;
    dlg->OpenContextMenu(QPoint(1, 1));
    QVERIFY(m_fake->texts.empty() && m_fake->messages.empty() && m_fake->folderTitles.empty());

    FindCommand(bar, 32798)->trigger();
    QCOMPARE(m_fake->abouts, 1);
    dlg->findChild<QPushButton*>("1007")->click();
    QCOMPARE(m_fake->legends, 1);
  }

  void contextMenuOpensAtMouseOrCorner() {
    auto dlg = Open(m_folder.Write("zebra.h", kZebraApple));
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));

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

  void enterAndEscapeAskBeforeLosingTheClasses() {
    auto dlg = Open(m_folder.Write("zebra.h", kZebraApple));
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    const QString question = "Quit Varnwick? The loaded classes will be lost.";
    // Enter in the lists, the grid and the check box, and Escape anywhere, ask; "No" keeps all.
    for (QWidget* control : {static_cast<QWidget*>(ClassList(*dlg)), static_cast<QWidget*>(MemberList(*dlg)),
                             static_cast<QWidget*>(Grid(*dlg)), static_cast<QWidget*>(CheckBox(*dlg))}) {
      for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        control->setFocus();
        QTest::keyClick(control, key);
        QVERIFY2(dlg->isVisible(), qPrintable(control->objectName()));
      }
    }
    QCOMPARE(m_fake->questions, std::vector<QString>(12, question));
    QCOMPARE(dlg->Catalogue().Size(), std::size_t{2});

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

  void quitCloseBoxAndAnEmptyCatalogueCloseAtOnce() {
    auto dlg = Open(m_folder.Write("zebra.h", kZebraApple));
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    dlg->findChild<QPushButton*>("1")->click();
    QVERIFY(!dlg->isVisible());
    dlg->show();
    QVERIFY(dlg->close());
    QVERIFY(!dlg->isVisible());
    QVERIFY(m_fake->questions.empty());

    auto empty = Open();
    empty->show();
    QVERIFY(QTest::qWaitForWindowExposed(empty.get()));
    QTest::keyClick(ClassList(*empty), Qt::Key_Escape);
    QVERIFY(!empty->isVisible());
    empty->show();
    QTest::keyClick(ClassList(*empty), Qt::Key_Return);
    QVERIFY(!empty->isVisible());
    QCOMPARE(empty->result(), int(QDialog::Accepted));
    QVERIFY(m_fake->questions.empty());
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
      answers.push_back(real.Ask(&owner, "Quit Varnwick? The loaded classes will be lost."));
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
    QCOMPARE(dlg->Catalogue().Size(), std::size_t{4});
    QTest::keyClick(dlg.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_fake->folderTitles.size(), std::size_t{1});

    // Delete works while the class list has the focus, and only then.
    ClassList(*dlg)->setFocus();
    ClassList(*dlg)->setCurrentRow(0);
    QTest::keyClick(ClassList(*dlg), Qt::Key_Delete);
    QCOMPARE(Texts(ClassList(*dlg)), (QStringList{"CB", "CBeta", "CC"}));
    Grid(*dlg)->setFocus();
    QTest::keyClick(Grid(*dlg), Qt::Key_Delete);
    QCOMPARE(ClassList(*dlg)->count(), 3);

    QTest::keyClick(dlg.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(dlg->findChild<QLineEdit*>("classFilter")->hasFocus());
  }
};

QTEST_MAIN(TestMainDlg)
#include "tst_MainDlg.moc"
