// The member grid on its own: toggling by mouse and keyboard, sorting, states and text fitting.
#include <QHeaderView>
#include <QTest>

#include "CMemberGridCtrl.h"

using namespace varnwick;

class TestMemberGridCtrl : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CMemberGridCtrl> m_grid;

  // Rows with the names mixed in case, each starting ticked.
  void Fill(const std::vector<std::pair<std::string, std::string>>& rows) {
    m_grid->DeleteAllItems();
    for (const auto& [type, name] : rows) {
      const int row = m_grid->AppendRow(type, 0);
      m_grid->SetItemText(row, 1, name);
      m_grid->SetCheckState(row, 1);
    }
  }
  QPoint BoxCentre(int row) const { return m_grid->CheckBoxRect(row).center(); }
  QPoint TextPoint(int row, int column) const {
    const QRect cell = m_grid->visualRect(m_grid->model()->index(row, column));
    return QPoint(cell.right() - 10, cell.center().y());
  }
  void DoubleClick(const QPoint& point) {
    QTest::mousePress(m_grid->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseRelease(m_grid->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseRelease(m_grid->viewport(), Qt::LeftButton, {}, point);
  }

 private slots:
  void init() {
    m_grid = std::make_unique<CMemberGridCtrl>();
    m_grid->resize(400, 200);
    m_grid->SetColumnHeadings({"Class", "Member"});
    m_grid->ShareWidth();
    m_grid->SetSortable(true);
    m_grid->SetCheckBoxes(true);
    Fill({{"int", "m_c"}, {"CString", "M_b"}, {"CWnd", "m_a"}});
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
  }

  void checkImagesAreLoaded() {
    for (int state = 0; state < 3; ++state) {
      QCOMPARE(m_grid->CheckImage(state).size(), QSize(13, 13));
      // The images differ from each other: every state can be told apart.
      for (int other = 0; other < state; ++other)
        QVERIFY(m_grid->CheckImage(state).toImage() != m_grid->CheckImage(other).toImage());
    }
  }

  void clickOnTheBoxCyclesWithoutSelecting() {
    QVERIFY(m_grid->selectedItems().isEmpty());
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, BoxCentre(1));
    QCOMPARE(m_grid->GetCheckState(1), 2);
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, BoxCentre(1));
    QCOMPARE(m_grid->GetCheckState(1), 0);
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, BoxCentre(1));
    QCOMPARE(m_grid->GetCheckState(1), 1);
    QVERIFY(m_grid->selectedItems().isEmpty());
    QVERIFY(m_grid->hasFocus());
    QCOMPARE(m_grid->GetCheckState(0), 1);

    // On the text: the row is selected, the state stays.
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, TextPoint(2, 1));
    QCOMPARE(m_grid->selectedItems().size(), 1);
    QCOMPARE(m_grid->indexOfTopLevelItem(m_grid->selectedItems().first()), 2);
    QCOMPARE(m_grid->GetCheckState(2), 1);
  }

  void doubleClickToggles() {
    // On the box the first click toggles too: two steps in all.
    DoubleClick(BoxCentre(0));
    QCOMPARE(m_grid->GetCheckState(0), 0);
    DoubleClick(TextPoint(1, 1));
    QCOMPARE(m_grid->GetCheckState(1), 2);
    DoubleClick(TextPoint(1, 0));
    QCOMPARE(m_grid->GetCheckState(1), 0);
    QCOMPARE(m_grid->GetCheckState(2), 1);
  }

  void spaceTogglesTheFocusedRow() {
    m_grid->setFocus();
    m_grid->setCurrentItem(m_grid->topLevelItem(2));
    QTest::keyClick(m_grid.get(), Qt::Key_Space);
    QCOMPARE(m_grid->GetCheckState(2), 2);
    QTest::keyClick(m_grid.get(), Qt::Key_Space);
    QCOMPARE(m_grid->GetCheckState(2), 0);
    QCOMPARE(m_grid->GetCheckState(1), 1);
  }

  void headerClickSortsAscendingIgnoringCase() {
    m_grid->SetCheckState(0, 0);  // m_c
    m_grid->SetCheckState(2, 2);  // m_a
    QHeaderView* header = m_grid->header();
    const auto clickHeader = [&](int column) {
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                        QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    };
    const auto names = [&] {
      std::vector<std::string> result;
      for (const CMemberRow& row : m_grid->MemberRows()) result.push_back(row.name);
      return result;
    };
    clickHeader(1);
    QCOMPARE(names(), (std::vector<std::string>{"m_a", "M_b", "m_c"}));
    clickHeader(1);
    QCOMPARE(names(), (std::vector<std::string>{"m_a", "M_b", "m_c"}));
    QCOMPARE(FindMemberState(m_grid->MemberRows(), "m_c"), 0);
    QCOMPARE(FindMemberState(m_grid->MemberRows(), "m_a"), 2);
    QCOMPARE(FindMemberState(m_grid->MemberRows(), "M_b"), 1);
    QCOMPARE(FindMemberState(m_grid->MemberRows(), "m_b"), 1);

    clickHeader(0);
    QCOMPARE(m_grid->ItemText(0, 0), std::string("CString"));
    QCOMPARE(m_grid->ItemText(1, 0), std::string("CWnd"));
    QCOMPARE(m_grid->ItemText(2, 0), std::string("int"));
    QCOMPARE(m_grid->GetCheckState(1), 2);

    // Not sortable: a heading click leaves the order.
    m_grid->SetSortable(false);
    clickHeader(1);
    QCOMPARE(m_grid->ItemText(0, 1), std::string("M_b"));
  }

  void statesAreGuarded() {
    m_grid->SetCheckState(0, 3);
    m_grid->SetCheckState(0, -1);
    QCOMPARE(m_grid->GetCheckState(0), 1);
    m_grid->SetCheckState(-1, 2);
    for (int row = 0; row < m_grid->RowCount(); ++row) QCOMPARE(m_grid->GetCheckState(row), 2);
    // A new row starts with an empty box.
    QCOMPARE(m_grid->GetCheckState(m_grid->AppendRow("int", 0)), 0);

    m_grid->SetCheckBoxes(false);
    QCOMPARE(m_grid->GetCheckState(0), 0);
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, BoxCentre(1));
    m_grid->SetCheckBoxes(true);
    QCOMPARE(m_grid->GetCheckState(1), 0);
  }

  void widthIsSharedAndLongTextsEndInDots() {
    m_grid->resize(401, 200);
    m_grid->ShareWidth();
    const int width = m_grid->contentsRect().width();
    QCOMPARE(m_grid->header()->sectionSize(0), width / 2);
    QCOMPARE(m_grid->header()->sectionSize(0) + m_grid->header()->sectionSize(1), width);

    const QFontMetrics metrics(m_grid->font());
    const QString longType = QStringLiteral("CTypedPtrList<CPtrList, CSomeVeryLongElementClassName*>");
    const QString fitted = CMemberGridCtrl::FitText(metrics, longType, 120);
    QVERIFY(fitted.endsWith("..."));
    QVERIFY(longType.startsWith(fitted.chopped(3)));
    QVERIFY(metrics.horizontalAdvance(fitted) <= 120);
    // Keeps as much as fits: one more character would overflow.
    QVERIFY(metrics.horizontalAdvance(longType.left(fitted.size() - 2) + "...") > 120);
    QCOMPARE(CMemberGridCtrl::FitText(metrics, "int", 120), QStringLiteral("int"));
    QCOMPARE(CMemberGridCtrl::FitText(metrics, longType, 1), QStringLiteral("..."));
  }
};

QTEST_MAIN(TestMemberGridCtrl)
#include "tst_MemberGridCtrl.moc"
