// The filter above the class list: its text reaches the shell as it is typed, the list is painted
// from the shell's rows, and its keys: Escape clears it, Enter hands the keyboard to the list.
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "CMainDlg.h"
#include "CMemberGridCtrl.h"
#include "UiTestSupport.h"

using namespace varnwick;
using namespace varnwick::test;

namespace {

std::string OneClass(const std::string& name) {
  return "class " + name + "\r\n{\r\n\tint m_a;\r\n\tint m_b;\r\n};\r\n";
}

}  // namespace

class TestClassFilter : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<CFakeDialogs> m_fake;
  CHeaderFolder m_folder;

  std::unique_ptr<CMainDlg> Open(const std::string& startup) {
    m_fake = std::make_shared<CFakeDialogs>();
    return OpenShownWindow(startup, m_fake);
  }
  static QLineEdit* Filter(CMainDlg& dlg) { return dlg.findChild<QLineEdit*>("classFilter"); }
  static QListWidget* ClassList(CMainDlg& dlg) { return dlg.findChild<QListWidget*>("1000"); }
  // The shell filters by the edit's text, and the list shows the shell's rows and selection.
  static void VerifyMatchesShell(CMainDlg& dlg) {
    const CMainShell& shell = dlg.Shell();
    for (std::size_t i = 0; i < shell.Catalogue().Size(); ++i) {
      const std::string& name = shell.Catalogue().At(i).m_strName;
      QCOMPARE(shell.Filter().Shows(name), CClassFilter(Filter(dlg)->text().toStdString()).Shows(name));
    }
    QCOMPARE(static_cast<std::size_t>(ClassList(dlg)->count()), shell.ClassList().rows.size());
    for (int row = 0; row < ClassList(dlg)->count(); ++row)
      QCOMPARE(ClassList(dlg)->item(row)->data(Qt::UserRole).value<quintptr>(),
               reinterpret_cast<quintptr>(&shell.ClassAtRow(static_cast<std::size_t>(row))));
    const auto selected = shell.ClassList().selectedRow;
    QCOMPARE(ClassList(dlg)->currentRow(), selected ? static_cast<int>(*selected) : -1);
    QCOMPARE(static_cast<std::size_t>(dlg.findChild<CMemberGridCtrl*>("1003")->RowCount()),
             shell.Members().Grid().size());
  }

 private slots:
  void typingReachesTheShellAndEscapeClears() {
    auto dlg = Open(m_folder.Write("net.h", OneClass("CNetDoc") + OneClass("CApp") + OneClass("CInternet") +
                                                OneClass("CNETVIEW") + OneClass("CView")));
    QCOMPARE(Filter(*dlg)->placeholderText(), QStringLiteral("Filter classes"));

    Filter(*dlg)->setFocus();
    QTest::keyClicks(Filter(*dlg), "nEt");
    QCOMPARE(ClassList(*dlg)->count(), 3);
    VerifyMatchesShell(*dlg);
    QTest::keyClicks(Filter(*dlg), "v");
    VerifyMatchesShell(*dlg);
    QTest::keyClicks(Filter(*dlg), "x");
    QCOMPARE(ClassList(*dlg)->count(), 0);
    VerifyMatchesShell(*dlg);

    QTest::keyClick(Filter(*dlg), Qt::Key_Escape);
    QCOMPARE(Filter(*dlg)->text(), QString());
    QCOMPARE(ClassList(*dlg)->count(), 5);
    VerifyMatchesShell(*dlg);
    QVERIFY(dlg->isVisible());
    QVERIFY(m_fake->questions.empty());
    // An empty filter lets Escape go on to the window, which asks before closing.
    QTest::keyClick(Filter(*dlg), Qt::Key_Escape);
    QCOMPARE(m_fake->questions.size(), std::size_t{1});

    // Enter hands the keyboard to the list instead.
    Filter(*dlg)->setFocus();
    QTest::keyClick(Filter(*dlg), Qt::Key_Return);
    QVERIFY(ClassList(*dlg)->hasFocus());
    QCOMPARE(m_fake->questions.size(), std::size_t{1});
  }

  void textSetByProgramOrPasteReachesTheShellToo() {
    auto dlg = Open(m_folder.Write("a.h", OneClass("CDocA") + OneClass("CViewA")));
    Filter(*dlg)->setText("doc");
    QCOMPARE(ClassList(*dlg)->count(), 1);
    VerifyMatchesShell(*dlg);
    Filter(*dlg)->clear();
    QCOMPARE(ClassList(*dlg)->count(), 2);
    VerifyMatchesShell(*dlg);
  }
};

QTEST_MAIN(TestClassFilter)
#include "tst_ClassFilter.moc"
