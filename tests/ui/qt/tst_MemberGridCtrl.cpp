// The member grid on its own: which mouse and key input asks for a state change or a sort, the
// states it paints, and text fitting. What a change or a sort does is the shell's.
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "CMemberGridCtrl.h"

using namespace varnwick;

class TestMemberGridCtrl : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CMemberGridCtrl> m_grid;
  std::unique_ptr<QSignalSpy> m_toggles;
  std::unique_ptr<QSignalSpy> m_sorts;

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
  // The rows the grid asked to toggle since the last look, in order.
  std::vector<int> TakeToggles() {
    std::vector<int> rows;
    for (const QList<QVariant>& call : *m_toggles) rows.push_back(call.at(0).toInt());
    m_toggles->clear();
    return rows;
  }
  void ClickHeader(int column) {
    QHeaderView* header = m_grid->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
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
    m_toggles = std::make_unique<QSignalSpy>(m_grid.get(), &CMemberGridCtrl::ToggleRequested);
    m_sorts = std::make_unique<QSignalSpy>(m_grid.get(), &CMemberGridCtrl::SortRequested);
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
  }

  void imagesAreLoaded() {
    for (int state = 0; state < 3; ++state) {
      QCOMPARE(m_grid->CheckImage(state).size(), QSize(13, 13));
      // The images differ from each other: every state can be told apart.
      for (int other = 0; other < state; ++other)
        QVERIFY(m_grid->CheckImage(state).toImage() != m_grid->CheckImage(other).toImage());
    }
    for (int kind = 0; kind < 6; ++kind) QCOMPARE(m_grid->MemberIcon(kind)->size(), QSize(16, 16));
    QCOMPARE(m_grid->MemberIcon(6), nullptr);
  }

  void clickOnTheBoxAsksWithoutSelecting() {
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, BoxCentre(1));
    QCOMPARE(TakeToggles(), std::vector<int>{1});
    QVERIFY(m_grid->selectedItems().isEmpty());
    QVERIFY(m_grid->hasFocus());
    // The grid paints what it is told, not a state of its own.
    QCOMPARE(m_grid->GetCheckState(1), 1);

    // On the text: the row is selected, nothing is asked.
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, TextPoint(2, 1));
    QCOMPARE(m_grid->selectedItems().size(), 1);
    QCOMPARE(m_grid->indexOfTopLevelItem(m_grid->selectedItems().first()), 2);
    QVERIFY(TakeToggles().empty());
    // The right button asks nothing either.
    QTest::mouseClick(m_grid->viewport(), Qt::RightButton, {}, BoxCentre(0));
    QVERIFY(TakeToggles().empty());
  }

  void doubleClickAndSpaceAsk() {
    // On the box the first click asks too: two requests in all.
    DoubleClick(BoxCentre(0));
    QCOMPARE(TakeToggles(), (std::vector<int>{0, 0}));
    DoubleClick(TextPoint(1, 1));
    DoubleClick(TextPoint(2, 0));
    QCOMPARE(TakeToggles(), (std::vector<int>{1, 2}));

    m_grid->setFocus();
    m_grid->setCurrentItem(m_grid->topLevelItem(2));
    QTest::keyClick(m_grid.get(), Qt::Key_Space);
    QCOMPARE(TakeToggles(), std::vector<int>{2});
  }

  void headerClickAsksForASort() {
    ClickHeader(1);
    ClickHeader(0);
    QCOMPARE(m_sorts->size(), 2);
    QCOMPARE(m_sorts->at(0).at(0).toInt(), 1);
    QCOMPARE(m_sorts->at(1).at(0).toInt(), 0);
    // The grid does not reorder its rows itself.
    QCOMPARE(m_grid->ItemText(0, 1), std::string("m_c"));

    m_grid->SetSortable(false);
    ClickHeader(1);
    QCOMPARE(m_sorts->size(), 2);
  }

  void statesAreGuarded() {
    m_grid->SetCheckState(0, 3);
    m_grid->SetCheckState(0, -1);
    QCOMPARE(m_grid->GetCheckState(0), 1);
    m_grid->SetCheckState(-1, 2);
    for (int row = 0; row < m_grid->RowCount(); ++row) QCOMPARE(m_grid->GetCheckState(row), 2);
    // A new row starts with an empty box.
    QCOMPARE(m_grid->GetCheckState(m_grid->AppendRow("int", 0)), 0);

    // Without check boxes there is no box to click.
    m_grid->SetCheckBoxes(false);
    QCOMPARE(m_grid->GetCheckState(0), 0);
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, BoxCentre(1));
    DoubleClick(TextPoint(1, 1));
    QVERIFY(TakeToggles().empty());
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
