// Loading beyond one header: Add Directory Tree, Cancel part-way, drops of files and folders, and
// Reload after headers changed on disk.
#include <QDropEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>

#include "CFolderReader.h"
#include "CMainDlg.h"
#include "CMemberGridCtrl.h"
#include "CReadProgress.h"
#include "UiTestSupport.h"

using namespace varnwick;
using namespace varnwick::test;

namespace {

std::string OneClass(const std::string& name, const std::string& members = "\tint m_a;\r\n") {
  return "class " + name + "\r\n{\r\n" + members + "};\r\n";
}

std::string TooLarge() {
  std::string huge = OneClass("CHuge");
  huge.resize(1048576, ' ');
  return huge;
}

}  // namespace

class TestLoadCommands : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<CFakeDialogs> m_fake;

  std::unique_ptr<CMainDlg> Open(const std::string& startup = {}) {
    m_fake = std::make_shared<CFakeDialogs>();
    return OpenShownWindow(startup, m_fake);
  }
  static QListWidget* ClassList(CMainDlg& dlg) { return dlg.findChild<QListWidget*>("1000"); }
  static CFolderReader* Reader(CMainDlg& dlg) { return dlg.findChild<CFolderReader*>(); }
  static CReadProgress* Progress(CMainDlg& dlg) { return dlg.findChild<CReadProgress*>(); }
  static std::vector<std::string> CatalogueNames(const CMainDlg& dlg) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < dlg.Catalogue().Size(); ++i) names.push_back(dlg.Catalogue().At(i).m_strName);
    return names;
  }
  static QString Selected(CMainDlg& dlg) {
    const CClassInfo* record = dlg.SelectedClass();
    return record ? QString::fromStdString(record->m_strName) : QString();
  }
  static void VerifyListMatchesCatalogue(CMainDlg& dlg) {
    const CClassList expected = dlg.Catalogue().FillClassList();
    QCOMPARE(static_cast<std::size_t>(ClassList(dlg)->count()), expected.rows.size());
    for (int row = 0; row < ClassList(dlg)->count(); ++row)
      QCOMPARE(ClassList(dlg)->item(row)->data(Qt::UserRole).value<quintptr>(),
               reinterpret_cast<quintptr>(&dlg.Catalogue().At(expected.rows[static_cast<std::size_t>(row)])));
    QCOMPARE(ClassList(dlg)->currentRow(), expected.selectedRow ? static_cast<int>(*expected.selectedRow) : -1);
  }
  // Drops `urls` on the window as a file manager would; answers whether the drag was taken.
  static bool Drop(CMainDlg& dlg, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint point = dlg.rect().center();
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &drop);
    // The items load once the drop is over.
    QApplication::processEvents();
    return drop.isAccepted();
  }

 private slots:
  void addDirectoryTreeReadsSubfoldersButNoLinkedOnes() {
    CHeaderFolder tree;
    tree.Write("top.h", OneClass("CTop"));
    tree.Write("b/inner/deep.h", OneClass("CDeep"));
    tree.Write("a/one.h", OneClass("COne") + OneClass("CAlso"));
    tree.Write("a/readme.txt", OneClass("CText"));
    std::filesystem::create_directory_symlink(tree.Path(), tree.Path() + "/a/loop");
    auto dlg = Open();
    m_fake->nextFolder = tree.Path();
    FindCommand(dlg->MenuBar()->actions(), 32799)->trigger();
    QCOMPARE(m_fake->folderTitles, std::vector<std::string>{"Open your project directory"});
    QCOMPARE(CatalogueNames(*dlg), (std::vector<std::string>{"CTop", "COne", "CAlso", "CDeep"}));
    VerifyListMatchesCatalogue(*dlg);
    QCOMPARE(Selected(*dlg), QStringLiteral("CDeep"));
    QVERIFY(m_fake->messages.empty());
    QVERIFY(!Progress(*dlg)->isVisible());

    // The context menu has the same command; plain Add Directory stays in the folder.
    m_fake->chooseAction = FindCommand(dlg->ContextMenu()->actions(), 32799);
    QVERIFY(m_fake->chooseAction != nullptr);
    dlg->OnClassDeleteAll();
    dlg->OnClassAddDirectory();
    QCOMPARE(CatalogueNames(*dlg), std::vector<std::string>{"CTop"});
  }

  void cancelPartWayKeepsWhatWasRead() {
    CHeaderFolder tree;
    for (int i = 0; i < 40; ++i) tree.Write(QStringLiteral("sub%1/h.h").arg(i, 2, 10, QLatin1Char('0')), OneClass("C" + std::to_string(i)));
    auto dlg = Open();
    Reader(*dlg)->SetTiming(0, 0);
    m_fake->nextFolder = tree.Path();
    // Clicked at the first moment the window takes input, with the status line up.
    QString shownText;
    bool inputHeld = false;
    QTimer::singleShot(0, [&] {
      shownText = Progress(*dlg)->isVisible() ? Progress(*dlg)->Text() : QString();
      // Other commands wait for the read.
      FindCommand(dlg->MenuBar()->actions(), 32773)->trigger();
      QTest::keyClick(ClassList(*dlg), Qt::Key_Delete);
      QVERIFY(dlg->Catalogue().Size() >= 1);
      inputHeld = dlg->IsReadingFolder();
      Progress(*dlg)->CancelButton()->click();
    });
    dlg->OnClassAddDirectoryTree();
    QVERIFY(inputHeld);
    QVERIFY2(shownText.startsWith("Reading headers: 1 files read, 1 classes found"), qPrintable(shownText));
    const std::size_t read = dlg->Catalogue().Size();
    QVERIFY2(read >= 1 && read < 40, qPrintable(QString::number(read)));
    QVERIFY(Reader(*dlg)->WasCancelled());
    VerifyListMatchesCatalogue(*dlg);
    QCOMPARE(dlg->findChild<CMemberGridCtrl*>("1003")->RowCount(), 1);
    QVERIFY(!Progress(*dlg)->isVisible());
    QVERIFY(!dlg->IsReadingFolder());

    // Escape stops a read the same way, and asks nothing.
    dlg->OnClassDeleteAll();
    QTimer::singleShot(0, [&] { QTest::keyClick(ClassList(*dlg), Qt::Key_Escape); });
    dlg->OnClassAddDirectoryTree();
    QVERIFY(dlg->Catalogue().Size() < 40);
    QVERIFY(m_fake->questions.empty());
    QVERIFY(dlg->isVisible());

    // The close box stops it too, and the window closes once the read has stopped.
    QTimer::singleShot(0, [&] { dlg->close(); });
    dlg->OnClassAddDirectoryTree();
    QTRY_VERIFY(!dlg->isVisible());
  }

  void quickReadsShowNoProgress() {
    CHeaderFolder tree;
    tree.Write("a.h", OneClass("CA"));
    auto dlg = Open();
    bool everShown = false;
    QTimer::singleShot(0, [&] { everShown = Progress(*dlg)->isVisible(); });
    m_fake->nextFolder = tree.Path();
    dlg->OnClassAddDirectory();
    QApplication::processEvents();
    QVERIFY(!everShown);
    QCOMPARE(CatalogueNames(*dlg), std::vector<std::string>{"CA"});
  }

  void droppedFilesAndFoldersLoadInTheirOrder() {
    CHeaderFolder files;
    const std::string b = files.Write("b.h", OneClass("CB"));
    const std::string a = files.Write("a.h", OneClass("CA"));
    const std::string none = files.Write("none.h", "int x;\r\n");
    const std::string large = files.Write("large.h", TooLarge());
    CHeaderFolder folder;
    folder.Write("f1.h", OneClass("CF1"));
    folder.Write("sub/f2.h", OneClass("CF2"));
    auto dlg = Open();
    const auto url = [](const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); };

    QVERIFY(Drop(*dlg, {url(b), url(folder.Path()), url(none), url(large), url(a)}));
    QCOMPARE(CatalogueNames(*dlg), (std::vector<std::string>{"CB", "CF1", "CA"}));
    QCOMPARE(Selected(*dlg), QStringLiteral("CA"));
    VerifyListMatchesCatalogue(*dlg);
    QCOMPARE(m_fake->messages.size(), std::size_t{2});
    QCOMPARE(m_fake->messages[0], "No class information in " + QString::fromStdString(none));
    QVERIFY(m_fake->messages[1].contains(QString::fromStdString(large)));

    // Nothing local, nothing taken.
    QVERIFY(!Drop(*dlg, {QUrl("https://example.org/a.h")}));
    QCOMPARE(dlg->Catalogue().Size(), std::size_t{3});
  }

  void reloadFollowsTheHeadersOnDisk() {
    CHeaderFolder files;
    const std::string first = files.Write("first.h", OneClass("CA") + OneClass("CB") + OneClass("CC"));
    const std::string second = files.Write("second.h", OneClass("CZ"));
    const std::string third = files.Write("third.h", OneClass("CY"));
    auto dlg = Open(first);
    m_fake->nextFile = second;
    dlg->OnClassAdd();
    m_fake->nextFile = third;
    dlg->OnClassAdd();
    ClassList(*dlg)->setCurrentRow(1);
    QCOMPARE(Selected(*dlg), QStringLiteral("CB"));

    // CB edited, CA lost, CD gained; second.h gone; third.h too large.
    files.Write("first.h", OneClass("CB", "\tint m_a;\r\n\tCString m_strNew;\r\n") + OneClass("CC") + OneClass("CD"));
    std::filesystem::remove(second);
    files.Write("third.h", TooLarge());
    dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    QTest::keyClick(dlg.get(), Qt::Key_F5);

    QCOMPARE(CatalogueNames(*dlg), (std::vector<std::string>{"CB", "CC", "CD"}));
    QCOMPARE(Selected(*dlg), QStringLiteral("CB"));
    QCOMPARE(dlg->findChild<CMemberGridCtrl*>("1003")->RowCount(), 2);
    QCOMPARE(dlg->MembersInListOrder().size(), std::size_t{2});
    VerifyListMatchesCatalogue(*dlg);
    QCOMPARE(m_fake->messages.size(), std::size_t{1});
    const QStringList lines = m_fake->messages[0].split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], "No class information in " + QString::fromStdString(second));
    QVERIFY(lines[1].contains(QString::fromStdString(third)));

    // The selected class gone: the refill's choice, here the first row.
    files.Write("first.h", OneClass("CC") + OneClass("CD"));
    FindCommand(dlg->MenuBar()->actions(), 32800)->trigger();
    QCOMPARE(CatalogueNames(*dlg), (std::vector<std::string>{"CC", "CD"}));
    QCOMPARE(Selected(*dlg), QStringLiteral("CC"));
    QCOMPARE(m_fake->messages.size(), std::size_t{1});
  }
};

QTEST_MAIN(TestLoadCommands)
#include "tst_LoadCommands.moc"
