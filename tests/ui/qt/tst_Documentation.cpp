// Finding the documentation from where the program runs, and the two links that open it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "CAboutDlg.h"
#include "CDocumentation.h"
#include "CHyperLinkEdit.h"
#include "CMainDlg.h"
#include "UiTestSupport.h"

using namespace varnwick;

namespace {

void Touch(const QString& path) {
  QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

QString InstalledDocFolder(const QString& programFolder) {
  return QDir::cleanPath(programFolder + QStringLiteral("/" VARNWICK_DOC_FROM_BIN));
}

QString LocalTarget(const CHyperLinkEdit* link) { return QUrl(link->Target()).toLocalFile(); }

}  // namespace

class TestDocumentation : public QObject {
  Q_OBJECT

 private slots:
  void installedProgramUsesItsOwnPrefix() {
    QTemporaryDir root;
    const QString bin = root.path() + QStringLiteral("/usr/bin");
    Touch(InstalledDocFolder(bin) + QStringLiteral("/README.md"));
    // Even a prefix that also looks like a build tree keeps its installed files.
    Touch(root.path() + QStringLiteral("/usr/CMakeCache.txt"));

    const CDocumentation documentation(bin);
    QCOMPARE(documentation.Folder(), InstalledDocFolder(bin));
    QVERIFY(documentation.Folder().startsWith(root.path() + QStringLiteral("/usr/")));
    QVERIFY(!documentation.Folder().contains(QStringLiteral("..")));
    QVERIFY(QFileInfo::exists(documentation.Readme()));
  }

  void buildTreeFallsBackToTheSourceReadmeItsCacheNames() {
    QTemporaryDir sources;
    Touch(sources.path() + QStringLiteral("/README.md"));
    QTemporaryDir build;
    const auto writeCache = [&](const QString& entry) {
      QFile cache(build.path() + QStringLiteral("/CMakeCache.txt"));
      QVERIFY(cache.open(QIODevice::WriteOnly | QIODevice::Truncate));
      cache.write(("# This is the CMakeCache file.\nCMAKE_BUILD_TYPE:STRING=Release\n" + entry + "\n").toUtf8());
    };
    writeCache(QStringLiteral("CMAKE_HOME_DIRECTORY:INTERNAL=") + sources.path());
    const CDocumentation documentation(build.path() + QStringLiteral("/bin"));
    QCOMPARE(documentation.Readme(), sources.path() + QStringLiteral("/README.md"));

    // A cache naming no sources, or sources without a README: the installed place, never a guess.
    for (const QString& entry : {QString(), QStringLiteral("CMAKE_HOME_DIRECTORY:INTERNAL=") + build.path()}) {
      writeCache(entry);
      QCOMPARE(CDocumentation(build.path() + QStringLiteral("/bin")).Folder(),
               InstalledDocFolder(build.path() + QStringLiteral("/bin")));
    }
  }

  void installationWithoutDocumentationNeverPointsAtTheSourceTree() {
    QTemporaryDir root;
    const QString bin = root.path() + QStringLiteral("/opt/varnwick/bin");
    QVERIFY(QDir().mkpath(bin));
    const CDocumentation documentation(bin);
    QCOMPARE(documentation.Folder(), InstalledDocFolder(bin));
    QVERIFY(documentation.Readme().startsWith(root.path()));
  }

  void bothLinksOpenDocumentationThatExists() {
    // The tests run from the build tree, which is not installed.
    const CDocumentation running = CDocumentation::OfRunningProgram();
    QVERIFY(QFileInfo::exists(running.Readme()));

    CAboutDlg about;
    QCOMPARE(LocalTarget(about.Link()), running.Readme());
    QCOMPARE(about.Link()->text(), running.Readme());

    CMainDlg window("", std::make_shared<test::CFakeDialogs>());
    const auto* link = window.findChild<CHyperLinkEdit*>(QStringLiteral("1010"));
    QVERIFY(link);
    QVERIFY(QFileInfo(LocalTarget(link)).isDir());
    QCOMPARE(QDir(LocalTarget(link)).absolutePath(), running.Folder());
  }
};

QTEST_MAIN(TestDocumentation)
#include "tst_Documentation.moc"
