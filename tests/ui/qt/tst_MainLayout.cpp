// The main window's layout as it grows: what grows, what keeps its edge, and nothing overlapping,
// cut off or needing a scroll bar it does not use. Also the resizable text window and legend.
#include <QCheckBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QToolTip>

#include "CDetailedMessageBox.h"
#include "CLegendDlg.h"
#include "CListBox.h"
#include "CMainDlg.h"
#include "CMemberGridCtrl.h"
#include "CQtSettingsStore.h"
#include "CTextDlg.h"
#include "CWindowSettings.h"
#include "UiTestSupport.h"
#include "UiText.h"

using namespace varnwick;
using namespace varnwick::test;

namespace {

const char* const kControls[] = {"classFilter", "1000", "1001", "1003", "1", "1007", "1006", "1010"};

std::string ManyMembers(const std::string& name, int count, const std::string& type = "int") {
  std::string text = "class " + name + "\r\n{\r\n";
  for (int i = 0; i < count; ++i) text += "\t" + type + " m_nValue" + std::to_string(i) + ";\r\n";
  return text + "};\r\n";
}

// A control's rectangle in the window's coordinates.
QRect InWindow(QWidget* window, QWidget* control) {
  return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

// The distances of a control from the window's right and bottom edges.
QPoint FromBottomRight(QWidget* window, QWidget* control) {
  const QRect rect = InWindow(window, control);
  return QPoint(window->width() - rect.right(), window->height() - rect.bottom());
}

}  // namespace

class TestMainLayout : public QObject {
  Q_OBJECT

 private:
  std::shared_ptr<CFakeDialogs> m_fake = std::make_shared<CFakeDialogs>();
  CHeaderFolder m_folder;

  template <typename T = QWidget>
  static T* Control(QWidget& dlg, const char* id) {
    T* control = dlg.findChild<T*>(id);
    if (control == nullptr) qFatal("no control %s", id);
    return control;
  }

  // Every control stands whole inside the window, none over another, none smaller than it needs.
  static void VerifyNothingOverlaps(CMainDlg& dlg) {
    QApplication::processEvents();
    const QRect client = InWindow(&dlg, Control(dlg, "client"));
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
      QWidget* control = Control(dlg, kControls[i]);
      const QRect rect = InWindow(&dlg, control);
      QVERIFY2(client.contains(rect), kControls[i]);
      // A button keeps the size of its design while its text fits; anything else what it needs.
      if (auto* button = qobject_cast<QPushButton*>(control)) {
        QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(button->text()) + 8, kControls[i]);
        QVERIFY2(button->height() >= button->fontMetrics().height() + 4, kControls[i]);
      } else {
        QVERIFY2(control->width() >= control->minimumSizeHint().width(), kControls[i]);
        QVERIFY2(control->height() >= control->minimumSizeHint().height(), kControls[i]);
      }
      for (std::size_t j = i + 1; j < std::size(kControls); ++j)
        QVERIFY2(!rect.intersects(InWindow(&dlg, Control(dlg, kControls[j]))),
                 qPrintable(QStringLiteral("%1 over %2").arg(kControls[i], kControls[j])));
    }
    auto* box = Control<QCheckBox>(dlg, "1006");
    QVERIFY(box->width() >= box->sizeHint().width());
    auto* link = Control<QLineEdit>(dlg, "1010");
    // The documentation's address depends on where the program lives; a long one is cut, whole
    // in its tooltip.
    const bool whole = link->width() >= link->fontMetrics().horizontalAdvance(link->text());
    QVERIFY(whole || link->toolTip() == link->text());
  }

  static void VerifyMemberListShowsWholeRows(CMainDlg& dlg) {
    auto* members = Control<CListBox>(dlg, "1001");
    const int inner = members->height() - members->HeightForRows(0);
    QCOMPARE(inner % members->RowHeight(), 0);
    QVERIFY(inner / members->RowHeight() >= 2);
    QCOMPARE(members->viewport()->height(), inner);
  }

  static void VerifyGridFillsItsWidth(CMainDlg& dlg) {
    auto* grid = Control<CMemberGridCtrl>(dlg, "1003");
    QApplication::processEvents();
    QVERIFY(grid->verticalScrollBar()->isVisible());
    QVERIFY(!grid->horizontalScrollBar()->isVisible());
    QCOMPARE(grid->header()->sectionSize(0) + grid->header()->sectionSize(1), grid->viewport()->width());
  }

 private slots:
  void opensAtTheDialogSizeAndGrows() {
    CMainDlg dlg(m_folder.Write("a.h", ManyMembers("CA", 40)), m_fake);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const CDialogUnits units(dlg.font());
    // Dialog 102's size; wider only where the link's folder, which depends on where the
    // program lies, needs more to show whole.
    const QWidget* client = Control(dlg, "client");
    QCOMPARE(client->height(), units.Y(145));
    QVERIFY(client->width() >= units.X(331));
    if (client->width() > units.X(331)) QCOMPARE(client->width(), client->minimumSizeHint().width());
    VerifyNothingOverlaps(dlg);
    VerifyMemberListShowsWholeRows(dlg);
    VerifyGridFillsItsWidth(dlg);
    QCOMPARE(Control<CMemberGridCtrl>(dlg, "1003")->header()->sectionSize(0),
             Control<CMemberGridCtrl>(dlg, "1003")->viewport()->width() / 2);

    std::map<std::string, QRect> before;
    std::map<std::string, QPoint> edges;
    for (const char* id : kControls) {
      before[id] = InWindow(&dlg, Control(dlg, id));
      edges[id] = FromBottomRight(&dlg, Control(dlg, id));
    }
    dlg.resize(dlg.width() + 400, dlg.height() + 300);
    VerifyNothingOverlaps(dlg);
    VerifyMemberListShowsWholeRows(dlg);
    VerifyGridFillsItsWidth(dlg);
    const auto now = [&](const char* id) { return InWindow(&dlg, Control(dlg, id)); };
    QVERIFY(now("1000").height() >= before["1000"].height() + 300);
    QVERIFY(now("1000").width() > before["1000"].width());
    QVERIFY(now("1003").width() > before["1003"].width() + 200);
    QVERIFY(now("1003").height() > before["1003"].height() + 150);
    QVERIFY(now("1001").width() > before["1001"].width() + 200);
    QVERIFY(now("1001").height() >= before["1001"].height());
    // "Quit" and the link keep their distance from the right and bottom edges, "Help" from the
    // right edge and the top of the member list; the check box its distance from the bottom and
    // from the grid's left edge.
    for (const char* id : {"1", "1010"}) QCOMPARE(FromBottomRight(&dlg, Control(dlg, id)), edges[id]);
    QCOMPARE(FromBottomRight(&dlg, Control(dlg, "1007")).x(), edges["1007"].x());
    QCOMPARE(now("1007").top(), now("1001").top());
    QCOMPARE(before["1007"].top(), before["1001"].top());
    QCOMPARE(FromBottomRight(&dlg, Control(dlg, "1006")).y(), edges["1006"].y());
    QCOMPARE(now("1006").left() - now("1003").left(), before["1006"].left() - before["1003"].left());
    for (const char* id : {"1", "1007", "1006"}) QCOMPARE(now(id).size(), before[id].size());

    dlg.showMaximized();
    QTRY_VERIFY(dlg.isMaximized());
    VerifyNothingOverlaps(dlg);
  }

  // The smallest the window goes still shows every control whole: the link's whole address, the
  // check box's text, the buttons.
  void atItsSmallestEveryControlIsWhole() {
    CMainDlg dlg(m_folder.Write("a.h", ManyMembers("CA", 40)), m_fake);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.resize(dlg.minimumSize());
    QTRY_COMPARE(dlg.size(), dlg.minimumSize());
    VerifyNothingOverlaps(dlg);
    VerifyMemberListShowsWholeRows(dlg);
    auto* link = Control<QLineEdit>(dlg, "1010");
    QVERIFY(link->width() >= link->fontMetrics().horizontalAdvance(link->text()));
    QCOMPARE(link->toolTip(), QString());
  }

  // However many headers Reload could not read, the message fits on the screen and its list
  // scrolls.
  void aLongListNeverMakesItsMessageTallerThanTheScreen() {
    QStringList lines;
    for (int i = 0; i < 5000; ++i) lines << QStringLiteral("/project/module%1/header%1.h").arg(i);
    CDetailedMessageBox box(QStringLiteral("5,000 headers could not be read again:"), lines.join(QLatin1Char('\n')));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect room = box.screen()->availableGeometry();
    QVERIFY2(box.frameGeometry().height() <= room.height(), qPrintable(QString::number(box.height())));
    QVERIFY(box.height() < 40 * box.fontMetrics().height());
    QCOMPARE(box.Details()->blockCount(), 5000);
    QVERIFY(box.Details()->verticalScrollBar()->maximum() > 0);
    // Wide enough for its lines, but never wider than the screen.
    QVERIFY(box.frameGeometry().width() <= room.width());
    QVERIFY(box.Details()->viewport()->width() >=
            box.fontMetrics().horizontalAdvance(QStringLiteral("/project/module4999/header4999.h")));
    // A short list takes no more room than it needs.
    CDetailedMessageBox brief(QStringLiteral("One header could not be read again:"), QStringLiteral("/a.h"));
    QVERIFY(brief.height() < box.height());
  }

  // What the user left between runs comes back in a new window: the main window's size, place
  // and splitter, and the text window's size, all kept through QSettings.
  void thePlacesComeBackInANewWindow() {
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QRect left;
    QList<int> splitterLeft;
    // Any text window size the screen shows whole.
    const QSize textSize = QGuiApplication::primaryScreen()->availableGeometry().size() * 0.9;
    {
      auto store = std::make_shared<CQtSettingsStore>();
      CMainDlg dlg(std::vector<std::string>(), m_fake, nullptr, SteadyClock(), store);
      dlg.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dlg));
      dlg.setGeometry(QRect(QPoint(140, 90), dlg.size() + QSize(150, 110)));
      QApplication::processEvents();
      auto* splitter = Control<QSplitter>(dlg, "splitter");
      const QList<int> sizes = splitter->sizes();
      splitter->setSizes({sizes[0] + 70, sizes[1] - 70});
      QApplication::processEvents();
      left = dlg.geometry();
      splitterLeft = splitter->sizes();
      CWindowSettings(*store).SetTextWindowSize({textSize.width(), textSize.height()});
      dlg.close();
    }
    QVERIFY(QFileInfo(QSettings(QStringLiteral("Varnwick"), QStringLiteral("Varnwick")).fileName())
                .absoluteFilePath()
                .startsWith(QFileInfo(home.path()).absoluteFilePath()));

    auto store = std::make_shared<CQtSettingsStore>();
    CMainDlg next(std::vector<std::string>(), m_fake, nullptr, SteadyClock(), store);
    QCOMPARE(next.geometry(), left);
    next.show();
    QVERIFY(QTest::qWaitForWindowExposed(&next));
    QCOMPARE(next.geometry(), left);
    QCOMPARE(Control<QSplitter>(next, "splitter")->sizes(), splitterLeft);
    CTextDlg text;
    CWindowSettings settings(*store);
    text.KeepSizeIn(settings);
    QCOMPARE(text.size(), textSize.expandedTo(text.minimumSizeHint()));
  }

  void splitterSharesTheWidthBetweenClassListAndRightSide() {
    CMainDlg dlg(std::string(), m_fake);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    // Room to move the splitter whatever the right side's least width.
    dlg.resize(dlg.width() + 200, dlg.height());
    QApplication::processEvents();
    auto* splitter = Control<QSplitter>(dlg, "splitter");
    QWidget* classes = Control(dlg, "1000");
    QWidget* grid = Control(dlg, "1003");
    QVERIFY(splitter->widget(0)->isAncestorOf(classes));
    QVERIFY(splitter->widget(1)->isAncestorOf(grid));
    const int classWidth = classes->width();
    const int gridWidth = grid->width();
    const QList<int> sizes = splitter->sizes();
    splitter->setSizes({sizes[0] + 80, sizes[1] - 80});
    QApplication::processEvents();
    QCOMPARE(classes->width(), classWidth + 80);
    QCOMPARE(grid->width(), gridWidth - 80);
    VerifyNothingOverlaps(dlg);
  }

  void cutEntriesShowTheirWholeTextAsATooltip() {
    const std::string longName = "CWizardNetworksConfigurationPageOfTheSecondKind";
    // Wider than the member list at any width the window opens with.
    const std::string longType =
        "CTypedPtrList<CObList, CWizardNetworksConfigurationPageOfTheSecondKindAndAllItsCousinsInTheOtherModules*>";
    CMainDlg dlg(m_folder.Write("w.h", "class " + longName + "\r\n{\r\n\t" + longType + " m_pages;\r\n\tint m_n;\r\n};\r\n"
                                           "class CShort\r\n{\r\n};\r\n"),
                 m_fake);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const auto tipAt = [](QWidget* viewport, QPoint point) {
      QToolTip::hideText();
      // A tooltip goes after a short delay.
      for (int wait = 0; wait < 100 && QToolTip::isVisible(); ++wait) QTest::qWait(20);
      QHelpEvent help(QEvent::ToolTip, point, viewport->mapToGlobal(point));
      QApplication::sendEvent(viewport, &help);
      return QToolTip::isVisible() ? QToolTip::text() : QString();
    };

    // A class row always names its header; a cut one shows its whole name above.
    auto* classes = Control<CListBox>(dlg, "1000");
    QVERIFY(classes->IsCut(classes->item(1)));
    QVERIFY(!classes->IsCut(classes->item(0)));
    const QString header = QString::fromStdString(m_folder.Path() + "/w.h");
    QCOMPARE(tipAt(classes->viewport(), classes->visualItemRect(classes->item(1)).center()),
             QString::fromStdString(longName) + QLatin1Char('\n') + header);
    QCOMPARE(tipAt(classes->viewport(), classes->visualItemRect(classes->item(0)).center()), header);

    auto* members = Control<CListBox>(dlg, "1001");
    const QListWidgetItem* pages = members->findItems("CTypedPtrList", Qt::MatchStartsWith).value(0);
    QVERIFY(pages != nullptr);
    QCOMPARE(tipAt(members->viewport(), members->visualItemRect(pages).center()), pages->text());

    auto* grid = Control<CMemberGridCtrl>(dlg, "1003");
    const QModelIndex type = grid->model()->index(0, 0);
    QVERIFY(grid->IsCellCut(type));
    QCOMPARE(tipAt(grid->viewport(), grid->visualRect(type).center()), QString::fromStdString(longType));
    QCOMPARE(tipAt(grid->viewport(), grid->visualRect(grid->model()->index(0, 1)).center()), QString());
    QToolTip::hideText();
  }

  void textWindowGrowsAroundItsBody() {
    CTextDlg text;
    text.SetBody("void f();\r\n");
    text.show();
    QVERIFY(QTest::qWaitForWindowExposed(&text));
    QVERIFY(text.minimumSize() != text.maximumSize());
    const CDialogUnits units(text.font());
    QCOMPARE(text.size(), QSize(units.X(433), units.Y(194)));
    auto* body = Control<QPlainTextEdit>(text, "1004");
    const QSize bodyBefore = body->size();
    const QPoint ok = FromBottomRight(&text, Control(text, "1"));
    const QPoint copy = FromBottomRight(&text, Control(text, "57634"));
    const int okTop = InWindow(&text, Control(text, "1")).top();
    text.resize(text.width() + 200, text.height() + 150);
    QApplication::processEvents();
    QCOMPARE(body->size(), bodyBefore + QSize(200, 150));
    QCOMPARE(FromBottomRight(&text, Control(text, "1")).x(), ok.x());
    QCOMPARE(FromBottomRight(&text, Control(text, "57634")).x(), copy.x());
    QCOMPARE(InWindow(&text, Control(text, "1")).top(), okTop);
    QVERIFY(!InWindow(&text, Control(text, "1005")).intersects(InWindow(&text, Control(text, "57634"))));
  }

  void legendGrowsWithOkAtItsCorner() {
    CLegendDlg legend;
    legend.show();
    QVERIFY(QTest::qWaitForWindowExposed(&legend));
    QVERIFY(legend.minimumSize() != legend.maximumSize());
    const QPoint ok = FromBottomRight(&legend, Control(legend, "1"));
    const QRect canvas = InWindow(&legend, Control(legend, "canvas"));
    QVERIFY(!canvas.intersects(InWindow(&legend, Control(legend, "1"))));
    legend.resize(legend.width() + 120, legend.height() + 90);
    QApplication::processEvents();
    QCOMPARE(FromBottomRight(&legend, Control(legend, "1")), ok);
    QCOMPARE(InWindow(&legend, Control(legend, "canvas")), canvas);
  }
};

QTEST_MAIN(TestMainLayout)
#include "tst_MainLayout.moc"
