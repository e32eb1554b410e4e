// Odd but readable headers through the real main window: bytes that are no UTF-8, a NUL, names a
// hundred thousand characters long, and thousands of members and classes are painted byte for byte.
// Which files fail to load, and what the user is told, is the shell's to decide and tested there.
#include <QListWidget>
#include <QTest>

#include "CMainDlg.h"
#include "CMemberGridCtrl.h"
#include "ShellCommands.h"
#include "UiTestSupport.h"
#include "UiText.h"

using namespace varnwick;
using namespace varnwick::test;

namespace {

std::string OneClass(const std::string& name) { return "class " + name + "\r\n{\r\n\tint m_n" + name + ";\r\n};\r\n"; }

// Class list texts with the selected one marked, and the member views' sizes.
QStringList Lists(CMainDlg& dlg) {
  QStringList shown;
  const QListWidget* classes = dlg.findChild<QListWidget*>("1000");
  for (int row = 0; row < classes->count(); ++row)
    shown << (row == classes->currentRow() ? "> " : "  ") + classes->item(row)->text();
  shown << QString::number(dlg.findChild<QListWidget*>("1001")->count())
        << QString::number(dlg.findChild<CMemberGridCtrl*>("1003")->RowCount());
  return shown;
}

}  // namespace

class TestBadInput : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<CFakeDialogs> m_fake;
  CHeaderFolder m_folder;

 private slots:
  void oddContentIsPaintedByteForByte() {
    using namespace std::string_literals;
    const std::string longName = "m_" + std::string(100000, 'x');
    std::string manyMembers = "\tint m_0";
    for (int i = 1; i < 10000; ++i) manyMembers += ", m_" + std::to_string(i);
    const std::string header = "// \x93" "Stra\xDF" "e\x94 \x83\x5C\r\nclass CZero\r\n{\r\n\tint m_a;\r\n\0};\r\n"s;
    auto dlg = OpenWithFakes(m_fake, m_folder.Write("zero.h", header));
    QCOMPARE(Lists(*dlg), (QStringList{"> CZero", "1", "1"}));

    m_fake->nextFile = m_folder.Write("wide.h", "class CWide\r\n{\r\n\t// " + std::string(100000, '-') + "\r\n\tint " +
                                                    longName + ";\r\n" + manyMembers + ";\r\n\tCString m_str\xE9;\r\n};\r\n");
    dlg->Shell().RunCommand(kCommandClassAdd);
    QCOMPARE(Lists(*dlg), (QStringList{"> CWide", "  CZero", "10002", "10002"}));
    CMemberGridCtrl* grid = dlg->findChild<CMemberGridCtrl*>("1003");
    QCOMPARE(grid->ItemText(0, 1), longName);
    QCOMPARE(grid->ItemText(10001, 1), "m_str\xE9"s);
    // A byte that is no UTF-8 is shown as its Latin-1 character, not lost.
    QCOMPARE(grid->topLevelItem(10001)->text(1), QStringLiteral("m_str\u00E9"));
    const QListWidget* members = dlg->findChild<QListWidget*>("1001");
    QCOMPARE(members->findItems(QStringLiteral("m_str\u00E9"), Qt::MatchEndsWith).size(), 1);

    std::string manyClasses;
    for (int i = 0; i < 1000; ++i) manyClasses += OneClass("C" + std::to_string(i));
    m_fake->nextFile = m_folder.Write("many.h", manyClasses);
    dlg->Shell().RunCommand(kCommandClassAdd);
    QCOMPARE(dlg->findChild<QListWidget*>("1000")->count(), 1002);
    QVERIFY(m_fake->messages.empty());
  }
};

QTEST_MAIN(TestBadInput)
#include "tst_BadInput.moc"
