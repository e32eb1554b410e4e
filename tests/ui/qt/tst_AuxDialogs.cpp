// The small pieces: the web link, the legend, the About box and the start-up file.
#include <QLabel>
#include <QTest>
#include <QUrl>

#include "CAboutDlg.h"
#include "CHyperLinkEdit.h"
#include "CLegendDlg.h"
#include "CMemberGridCtrl.h"

using namespace varnwick;

class TestAuxDialogs : public QObject {
  Q_OBJECT

 private slots:
  void linkOpensAndTurnsVisited() {
    QWidget parent;
    auto* link = new CHyperLinkEdit(&parent);
    link->setGeometry(10, 10, 20, 16);
    QStringList opened;
    link->SetOpener([&opened](const QString& target) {
      opened << target;
      return true;
    });
    QStringList told;
    link->SetTeller([&told](const QString& message) { told << message; });
    link->SetLink("file:///usr/share/doc/varnwick/README.md", "/usr/share/doc/varnwick/README.md");
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    QCOMPARE(link->text(), QStringLiteral("/usr/share/doc/varnwick/README.md"));
    QVERIFY(link->isReadOnly());
    QVERIFY(!link->hasFrame());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(link->width() >= link->fontMetrics().horizontalAdvance(link->text()));
    QCOMPARE(link->palette().color(QPalette::Text), QColor(0, 0, 238));

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(opened, QStringList{"file:///usr/share/doc/varnwick/README.md"});
    QVERIFY(link->IsVisited());
    QCOMPARE(link->palette().color(QPalette::Text), QColor(85, 26, 139));
    QVERIFY(!link->hasSelectedText());

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(link->palette().color(QPalette::Text), QColor(85, 26, 139));
    QCOMPARE(told, QStringList());
  }

  // No program to open the target with, or one that refuses it: the user hears so, by path.
  void aLinkThatCannotOpenSaysSo() {
    QWidget parent;
    auto* link = new CHyperLinkEdit(&parent);
    link->setGeometry(10, 10, 300, 16);
    link->SetOpener([](const QString&) { return false; });
    QStringList told;
    link->SetTeller([&told](const QString& message) { told << message; });
    link->SetLink("file:///opt/doc/README.md", "/opt/doc/README.md");
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(told, QStringList{"Could not open /opt/doc/README.md"});
    link->SetLink("https://example.org/varnwick", "example.org");
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(told.value(1), QStringLiteral("Could not open https://example.org/varnwick"));
  }

  void linkTooLongForItsParentIsCutAtTheEdge() {
    QWidget parent;
    parent.setFixedSize(120, 40);
    auto* link = new CHyperLinkEdit(&parent);
    link->setGeometry(10, 10, 20, 16);
    const QString deep = QStringLiteral("/opt/a/very/deep/install/folder/share/doc/Varnwick/README.md");
    link->SetLink(QStringLiteral("file://") + deep, deep);
    QCOMPARE(link->geometry().right(), parent.rect().right());
    QCOMPARE(link->toolTip(), deep);

    link->SetLink(QStringLiteral("file:///r"), QStringLiteral("/r"));
    QVERIFY(link->width() < 110);
    QVERIFY(link->toolTip().isEmpty());
  }

  void legendNamesEachIconBelowIt() {
    CLegendDlg legend;
    QCOMPARE(legend.windowTitle(), QStringLiteral("Legenda"));
    QList<QLabel*> pictures;
    QMap<QString, QLabel*> labels;
    for (QLabel* label : legend.findChildren<QLabel*>()) {
      if (!label->pixmap().isNull())
        pictures << label;
      else
        labels[label->text()] = label;
    }
    QCOMPARE(pictures.size(), 2);
    for (const char* text : {"Status...", "How to use in code Generate ...", "(CPtrList, Unknown class...)"})
      QVERIFY2(labels.contains(text), text);
    std::sort(pictures.begin(), pictures.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });

    // Each name starts within the icon it names and stands below the picture strip.
    const auto verifyUnder = [&](QLabel* picture, int size, int index, const QString& name) {
      QVERIFY2(labels.contains(name), qPrintable(name));
      const QLabel* label = labels[name];
      const int iconLeft = picture->x() + index * size;
      QVERIFY2(label->x() >= iconLeft && label->x() < iconLeft + size, qPrintable(name));
      QVERIFY2(label->y() > picture->geometry().bottom(), qPrintable(name));
    };
    const QStringList kinds{"member of a dialog", "pointer", "static", "const", "static const"};
    for (int kind = 1; kind <= 5; ++kind) verifyUnder(pictures[0], CMemberGridCtrl::kIconSize, kind, kinds[kind - 1]);
    verifyUnder(pictures[1], CMemberGridCtrl::kCheckImageSize, 0, "will not generate the code");
    verifyUnder(pictures[1], CMemberGridCtrl::kCheckImageSize, 1, "will generate the code");
    verifyUnder(pictures[1], CMemberGridCtrl::kCheckImageSize, 2, "special.");
    // The pointer icon and the ticked box are drawn, not blank.
    QVERIFY(qAlpha(pictures[0]->pixmap().toImage().pixel(2 * CMemberGridCtrl::kIconSize + 8, 8)) > 0);
    QVERIFY(qAlpha(pictures[1]->pixmap().toImage().pixel(CMemberGridCtrl::kCheckImageSize + 1, 1)) > 0);
    QCOMPARE(pictures[0]->pixmap().width(), 6 * CMemberGridCtrl::kIconSize);
    QCOMPARE(pictures[1]->pixmap().width(), 3 * CMemberGridCtrl::kCheckImageSize);
  }

  void aboutShowsVersionAndLink() {
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Varnwick"));
    bool versionShown = false;
    for (QLabel* label : about.findChildren<QLabel*>()) versionShown |= label->text() == "Varnwick Version 1.0 beta";
    QVERIFY(versionShown);
    const QUrl target(about.Link()->Target());
    QCOMPARE(target.scheme(), QStringLiteral("file"));
    QCOMPARE(about.Link()->text(), target.path());
  }
};

QTEST_MAIN(TestAuxDialogs)
#include "tst_AuxDialogs.moc"
