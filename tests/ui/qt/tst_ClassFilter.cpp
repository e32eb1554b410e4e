// The filter above the class list: narrowing, the selection among the shown rows, Escape, and
// keeping its text through every refill.
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
  static QStringList Shown(CMainDlg& dlg) {
    QStringList texts;
    for (int row = 0; row < ClassList(dlg)->count(); ++row) texts << ClassList(dlg)->item(row)->text();
    return texts;
  }
  static QString Selected(CMainDlg& dlg) {
    const CClassInfo* record = dlg.SelectedClass();
    return record ? QString::fromStdString(record->m_strName) : QString();
  }
  // The class list is what the catalogue's own refill gives with the filter's text.
  static void VerifyMatchesCatalogue(CMainDlg& dlg) {
    const CClassList expected = dlg.Catalogue().FillClassList(CClassFilter(Filter(dlg)->text().toStdString()));
    QCOMPARE(static_cast<std::size_t>(ClassList(dlg)->count()), expected.rows.size());
    for (int row = 0; row < ClassList(dlg)->count(); ++row)
      QCOMPARE(ClassList(dlg)->item(row)->data(Qt::UserRole).value<quintptr>(),
               reinterpret_cast<quintptr>(&dlg.Catalogue().At(expected.rows[static_cast<std::size_t>(row)])));
    QCOMPARE(ClassList(dlg)->currentRow(), expected.selectedRow ? static_cast<int>(*expected.selectedRow) : -1);
  }

 private slots:
  void typingNarrowsTheListAndEscapeClearsIt() {
    auto dlg = Open(m_folder.Write("net.h", OneClass("CNetDoc") + OneClass("CApp") + OneClass("CInternet") +
                                                OneClass("CNETVIEW") + OneClass("CView")));
    QCOMPARE(Filter(*dlg)->placeholderText(), QStringLiteral("Filter classes"));
    QCOMPARE(Selected(*dlg), QStringLiteral("CNetDoc"));

    Filter(*dlg)->setFocus();
    QTest::keyClicks(Filter(*dlg), "nEt");
    QCOMPARE(Shown(*dlg), (QStringList{"CInternet", "CNetDoc", "CNETVIEW"}));
    QCOMPARE(Selected(*dlg), QStringLiteral("CNetDoc"));
    VerifyMatchesCatalogue(*dlg);

    // The remembered class hidden: the first shown row is selected, and its members shown.
    QTest::keyClicks(Filter(*dlg), "v");
    QCOMPARE(Shown(*dlg), QStringList{"CNETVIEW"});
    QCOMPARE(Selected(*dlg), QStringLiteral("CNETVIEW"));
    QCOMPARE(dlg->findChild<CMemberGridCtrl*>("1003")->RowCount(), 2);
    QTest::keyClicks(Filter(*dlg), "x");
    QCOMPARE(ClassList(*dlg)->count(), 0);
    QCOMPARE(dlg->SelectedClass(), nullptr);
    QCOMPARE(dlg->findChild<CMemberGridCtrl*>("1003")->RowCount(), 0);

    QTest::keyClick(Filter(*dlg), Qt::Key_Escape);
    QCOMPARE(Filter(*dlg)->text(), QString());
    QCOMPARE(ClassList(*dlg)->count(), 5);
    QCOMPARE(Selected(*dlg), QStringLiteral("CNetDoc"));
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

  void theFilterStaysThroughAddDeleteAndFolders() {
    auto dlg = Open(m_folder.Write("a.h", OneClass("CDocA") + OneClass("CViewA")));
    Filter(*dlg)->setText("doc");
    QCOMPARE(Shown(*dlg), QStringList{"CDocA"});

    m_fake->nextFile = m_folder.Write("b.h", OneClass("CViewB") + OneClass("CDocB"));
    dlg->OnClassAdd();
    QCOMPARE(Shown(*dlg), (QStringList{"CDocA", "CDocB"}));
    QCOMPARE(Selected(*dlg), QStringLiteral("CDocA"));  // CViewB, the file's first class, is hidden
    VerifyMatchesCatalogue(*dlg);

    CHeaderFolder project;
    project.Write("c.h", OneClass("CDocC"));
    project.Write("d.h", OneClass("CViewD"));
    project.Write("e.h", OneClass("CMyDocE") + OneClass("CDocA"));
    m_fake->nextFolder = project.Path();
    dlg->OnClassAddDirectory();
    QCOMPARE(Shown(*dlg), (QStringList{"CDocA", "CDocA", "CDocB", "CDocC", "CMyDocE"}));
    QCOMPARE(Selected(*dlg), QStringLiteral("CMyDocE"));
    VerifyMatchesCatalogue(*dlg);

    ClassList(*dlg)->setCurrentRow(3);
    dlg->OnClassDelete();
    QCOMPARE(Shown(*dlg), (QStringList{"CDocA", "CDocA", "CDocB", "CMyDocE"}));
    QCOMPARE(ClassList(*dlg)->currentRow(), 3);
    QCOMPARE(dlg->Catalogue().Size(), std::size_t{7});

    Filter(*dlg)->clear();
    QCOMPARE(ClassList(*dlg)->count(), 7);
  }

  void ticksSurviveTypingWhileTheClassStaysSelected() {
    auto dlg = Open(m_folder.Write("a.h", OneClass("CDocA") + OneClass("CViewA")));
    auto* grid = dlg->findChild<CMemberGridCtrl*>("1003");
    grid->SetCheckState(0, 0);
    Filter(*dlg)->setText("do");
    Filter(*dlg)->setText("doc");
    QCOMPARE(grid->GetCheckState(0), 0);
    // Another class comes up: its members start afresh.
    Filter(*dlg)->setText("view");
    QCOMPARE(grid->GetCheckState(0), 1);
  }
};

QTEST_MAIN(TestClassFilter)
#include "tst_ClassFilter.moc"
