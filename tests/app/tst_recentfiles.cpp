// File > Open Recent: the list as stored, and as the window keeps it from one run to the next.
#include "app/PathLabel.h"
#include "app/RecentFiles.h"
#include "support/WindowRig.h"

#include <QDir>
#include <QTest>

using namespace markast;
using namespace markast::test;

class TestRecentFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

private Q_SLOTS:
    void init() { rig = std::make_unique<WindowRig>(); }
    void cleanup() { rig.reset(); }

    void storedListsAreCleaned_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("shown");
        QStringList thousands;
        for (int i = 0; i < 5000; ++i)
            thousands.append(QStringLiteral("/logos/%1.plt").arg(i));
        QTest::newRow("thousands") << thousands << thousands.first(8);
        QTest::newRow("blanks, folders, relative, repeats")
            << QStringList{"", "  ", QDir::tempPath(), "logo.plt", "/a.plt", "/a.plt", "/b.plt"}
            << QStringList{"/a.plt", "/b.plt"};
        QTest::newRow("kept exactly") << QStringList{"/x/a.plt ", "/x/a.plt", "/x/../a.plt"}
                                      << QStringList{"/x/a.plt ", "/x/a.plt", "/x/../a.plt"};
    }

    void storedListsAreCleaned() {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, shown);
        QCOMPARE(cleanedRecentFiles(stored), shown);
    }

    // Loaded files come first in Open Recent, newest first, and stay there after a restart; a
    // file that has gone says so and drops off.
    void openRecent() {
        const QString first = rig->writeFile("first.plt", "PU;");
        const QString second = rig->writeFile("second.plt", "PD;");
        frmMain& main = rig->startFake();
        main.openFile(first);
        rig->open(second);
        QCOMPARE(main.mnuFileRecent->files(), QStringList({second, first}));
        QVERIFY(QFile::remove(first));
        rig->form.reset();

        frmMain& again = rig->startFake();
        QCOMPARE(again.mnuFileRecent->actions().size(), 2 + 2); // two files, a line, Clear
        again.mnuFileRecent->actions()[1]->trigger();
        QCOMPARE(again.statusText(), "Not loaded: " + first + " does not exist");
        QCOMPARE(again.Label1->path(), QStringLiteral("No File Selected"));
        QCOMPARE(again.mnuFileRecent->files(), QStringList{second});
        again.mnuFileRecent->actions()[0]->trigger();
        QCOMPARE(again.Label1->path(), second);
        again.mnuFileRecent->actions().last()->trigger();
        QVERIFY(Settings(rig->fakes.settings).recentFiles().isEmpty());
        QVERIFY(!again.mnuFileRecent->menuAction()->isEnabled());
    }
};

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
