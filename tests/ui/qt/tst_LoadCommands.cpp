// Loading beyond one header through the window: a folder read painting the class list as it grows,
// with its status line, Cancel and the input held back meanwhile; drops; and Reload's key.
#include <QDropEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "CMainDlg.h"
#include "CMemberGridCtrl.h"
#include "CReadStatusLine.h"
#include "MessageText.h"
#include "ShellCommands.h"
#include "UiTestSupport.h"
#include "UiText.h"

using namespace varnwick;
using namespace varnwick::test;

namespace {

std::string OneClass(const std::string& name, const std::string& members = "\tint m_a;\r\n") {
  return "class " + name + "\r\n{\r\n" + members + "};\r\n";
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
  // A window whose clock runs a second per look, so that a read shows its status line at once.
  std::unique_ptr<CMainDlg> OpenWithFastClock() {
    m_fake = std::make_shared<CFakeDialogs>();
    auto now = std::make_shared<std::chrono::milliseconds>(0);
    auto window = std::make_unique<CMainDlg>(std::vector<std::string>(), m_fake, nullptr,
                                             [now] { return *now += std::chrono::seconds(1); });
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) qFatal("the main window was not shown");
    return window;
  }
  static QListWidget* ClassList(CMainDlg& dlg) { return dlg.findChild<QListWidget*>("1000"); }
  static CReadStatusLine* Progress(CMainDlg& dlg) { return dlg.findChild<CReadStatusLine*>(); }
  static std::vector<std::string> CatalogueNames(const CMainDlg& dlg) {
    std::vector<std::string> names;
    const CCatalogue& catalogue = dlg.Shell().Catalogue();
    for (std::size_t i = 0; i < catalogue.Size(); ++i) names.push_back(catalogue.At(i).m_strName);
    return names;
  }
  // The class list shows the shell's rows, in order, with its selection.
  static void VerifyListMatchesShell(CMainDlg& dlg) {
    const CClassList& rows = dlg.Shell().ClassList();
    QCOMPARE(static_cast<std::size_t>(ClassList(dlg)->count()), rows.rows.size());
    for (int row = 0; row < ClassList(dlg)->count(); ++row)
      QCOMPARE(ClassList(dlg)->item(row)->data(Qt::UserRole).value<quintptr>(),
               reinterpret_cast<quintptr>(&dlg.Shell().ClassAtRow(static_cast<std::size_t>(row))));
    QCOMPARE(ClassList(dlg)->currentRow(), rows.selectedRow ? static_cast<int>(*rows.selectedRow) : -1);
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
  void aFolderReadPaintsTheRowsAsTheShellInsertsThem() {
    // Classes that sort before, between and after those already listed, over several headers.
    CHeaderFolder tree;
    tree.Write("a.h", OneClass("CMid") + OneClass("cmid"));
    tree.Write("b.h", OneClass("CAaa") + OneClass("CMID"));
    tree.Write("sub/c.h", OneClass("Czz"));
    CHeaderFolder before;
    auto dlg = OpenWithFastClock();
    m_fake->nextFile = before.Write("pre.h", OneClass("Cmid") + OneClass("CZ"));
    FindCommand(dlg->MenuBar()->actions(), kCommandClassAdd)->trigger();
    m_fake->nextFolder = tree.Path();
    FindCommand(dlg->MenuBar()->actions(), kCommandClassAddDirectoryTree)->trigger();
    QCOMPARE(m_fake->folderTitles, std::vector<std::string>{std::string(kFolderPickerTitle)});
    QCOMPARE(dlg->Shell().Catalogue().Size(), std::size_t{7});
    VerifyListMatchesShell(*dlg);
    QVERIFY(!Progress(*dlg)->isVisible());
    QCOMPARE(dlg->findChild<QListWidget*>("1001")->count(), 1);

    // The context menu's command reads the same way.
    FindCommand(dlg->MenuBar()->actions(), kCommandClassDeleteAll)->trigger();
    m_fake->chooseAction = FindCommand(dlg->ContextMenu()->actions(), kCommandClassAddDirectory);
    dlg->OpenContextMenu(QPoint(1, 1));
    QCOMPARE(dlg->Shell().Catalogue().Size(), std::size_t{4});
    VerifyListMatchesShell(*dlg);
  }

  void cancelEscapeAndTheCloseBoxStopARead() {
    CHeaderFolder tree;
    for (int i = 0; i < 40; ++i)
      tree.Write(QStringLiteral("sub%1/h.h").arg(i, 2, 10, QLatin1Char('0')), OneClass("C" + std::to_string(i)));
    auto dlg = OpenWithFastClock();
    m_fake->nextFolder = tree.Path();
    // Clicked at the first moment the window takes input, with the status line up.
    QString shownText;
    bool inputHeld = false;
    QTimer::singleShot(0, [&] {
      shownText = Progress(*dlg)->isVisible() ? Progress(*dlg)->Text() : QString();
      // Other input waits for the read: a menu command, a key, a drop.
      FindCommand(dlg->MenuBar()->actions(), kCommandClassDeleteAll)->trigger();
      QTest::keyClick(ClassList(*dlg), Qt::Key_Delete);
      inputHeld = dlg->Shell().IsReading() && dlg->Shell().Catalogue().Size() >= 1 &&
                  !Drop(*dlg, {QUrl::fromLocalFile(QString::fromStdString(tree.Path()))});
      Progress(*dlg)->CancelButton()->click();
    });
    FindCommand(dlg->MenuBar()->actions(), kCommandClassAddDirectoryTree)->trigger();
    QVERIFY(inputHeld);
    QCOMPARE(shownText, ToQString(ReadProgressText(1, 1)));
    const std::size_t read = dlg->Shell().Catalogue().Size();
    QVERIFY2(read >= 1 && read < 40, qPrintable(QString::number(read)));
    VerifyListMatchesShell(*dlg);
    QCOMPARE(dlg->findChild<CMemberGridCtrl*>("1003")->RowCount(), 1);
    QVERIFY(!Progress(*dlg)->isVisible());
    QVERIFY(!dlg->Shell().IsReading());

    // Escape stops a read the same way, and asks nothing.
    FindCommand(dlg->MenuBar()->actions(), kCommandClassDeleteAll)->trigger();
    QTimer::singleShot(0, [&] { QTest::keyClick(ClassList(*dlg), Qt::Key_Escape); });
    FindCommand(dlg->MenuBar()->actions(), kCommandClassAddDirectoryTree)->trigger();
    QVERIFY(dlg->Shell().Catalogue().Size() < 40);
    QVERIFY(m_fake->questions.empty());
    QVERIFY(dlg->isVisible());

    // The close box stops it too, and the window closes once the read has stopped.
    QTimer::singleShot(0, [&] { dlg->close(); });
    FindCommand(dlg->MenuBar()->actions(), kCommandClassAddDirectoryTree)->trigger();
    QTRY_VERIFY(!dlg->isVisible());
  }

  // The progress lies over the status line, in room kept for it: no control moves when it comes or
  // goes.
  void theProgressMovesNothing() {
    CHeaderFolder tree;
    for (int i = 0; i < 12; ++i)
      tree.Write(QStringLiteral("sub%1/h.h").arg(i, 2, 10, QLatin1Char('0')), OneClass("C" + std::to_string(i)));
    auto dlg = OpenWithFastClock();
    const char* const watched[] = {"1000", "1001", "1003", "1006", "1010", "1", "statusLine"};
    const auto places = [&dlg, &watched] {
      QList<QRect> rects;
      for (const char* id : watched) {
        QWidget* control = dlg->findChild<QWidget*>(id);
        rects << QRect(control->mapTo(dlg.get(), QPoint(0, 0)), control->size());
      }
      return rects;
    };
    const QList<QRect> before = places();
    QList<QList<QRect>> during;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, [&] {
      if (Progress(*dlg)->isVisible()) during << places();
    });
    sampler.start(0);
    m_fake->nextFolder = tree.Path();
    FindCommand(dlg->MenuBar()->actions(), kCommandClassAddDirectoryTree)->trigger();
    sampler.stop();
    QVERIFY(!during.isEmpty());
    for (const QList<QRect>& sample : during) QCOMPARE(sample, before);
    QApplication::processEvents();
    QCOMPARE(places(), before);
    // The progress covers the status line's row, Cancel whole inside it.
    QWidget* row = dlg->findChild<QWidget*>("statusLine");
    QVERIFY(row->rect().contains(Progress(*dlg)->geometry()));
    QVERIFY(Progress(*dlg)->height() >= Progress(*dlg)->CancelButton()->sizeHint().height());
  }

  // Classes read in above the rows in view do not push those rows down, nor does the selection
  // moving to each new header's class pull the list after it.
  void rowsInViewStayWhileARowGoesInAboveThem() {
    CHeaderFolder early;
    std::string many;
    for (int i = 0; i < 200; ++i) many += OneClass(QStringLiteral("CM%1").arg(i, 3, 10, QLatin1Char('0')).toStdString());
    CHeaderFolder tree;
    for (int i = 0; i < 10; ++i)
      tree.Write(QStringLiteral("sub%1/h.h").arg(i), OneClass("CA" + std::to_string(i)) + OneClass("CZ" + std::to_string(i)));
    auto dlg = OpenWithFastClock();
    m_fake->nextFile = early.Write("many.h", many);
    FindCommand(dlg->MenuBar()->actions(), kCommandClassAdd)->trigger();
    QListWidget* list = ClassList(*dlg);
    list->scrollToItem(list->item(100), QAbstractItemView::PositionAtTop);
    QApplication::processEvents();
    const QListWidgetItem* top = list->itemAt(0, 0);
    QVERIFY(top != nullptr && top->text() == QStringLiteral("CM100"));

    int samples = 0;
    bool stayed = true;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, [&] {
      ++samples;
      stayed = stayed && list->itemAt(0, 0) == top;
    });
    sampler.start(0);
    m_fake->nextFolder = tree.Path();
    FindCommand(dlg->MenuBar()->actions(), kCommandClassAddDirectoryTree)->trigger();
    sampler.stop();
    QVERIFY(samples > 0);
    QVERIFY(stayed);
    QCOMPARE(list->count(), 220);
  }

  void droppedFilesAndFoldersReachTheShellInTheirOrder() {
    CHeaderFolder files;
    const std::string b = files.Write("b.h", OneClass("CB"));
    const std::string a = files.Write("a.h", OneClass("CA"));
    CHeaderFolder folder;
    folder.Write("f1.h", OneClass("CF1"));
    auto dlg = Open();
    const auto url = [](const std::string& path) { return QUrl::fromLocalFile(QString::fromStdString(path)); };

    QVERIFY(Drop(*dlg, {url(b), url(folder.Path()), url(a)}));
    QCOMPARE(CatalogueNames(*dlg), (std::vector<std::string>{"CB", "CF1", "CA"}));
    VerifyListMatchesShell(*dlg);

    // Nothing local, nothing taken.
    QVERIFY(!Drop(*dlg, {QUrl("https://example.org/a.h")}));
    QCOMPARE(dlg->Shell().Catalogue().Size(), std::size_t{3});
  }

  void f5Reloads() {
    CHeaderFolder files;
    const std::string first = files.Write("first.h", OneClass("CA") + OneClass("CB"));
    auto dlg = Open(first);
    files.Write("first.h", OneClass("CB", "\tint m_a;\r\n\tCString m_strNew;\r\n") + OneClass("CC"));
    dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    QTest::keyClick(dlg.get(), Qt::Key_F5);
    QCOMPARE(CatalogueNames(*dlg), (std::vector<std::string>{"CB", "CC"}));
    VerifyListMatchesShell(*dlg);
    QCOMPARE(dlg->findChild<CMemberGridCtrl*>("1003")->RowCount(),
             static_cast<int>(dlg->Shell().Members().Grid().size()));
  }
};

QTEST_MAIN(TestLoadCommands)
#include "tst_LoadCommands.moc"
