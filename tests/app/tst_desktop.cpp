// The desktop's roads into the window: a file named on the command line or handed over by a
// second Markast, a drop, and File > Open Recent.
#include "app/FileDrop.h"
#include "app/PathLabel.h"
#include "app/RecentFiles.h"
#include "support/WindowRig.h"

#include <QDir>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace markast;
using namespace markast::test;

class TestDesktop : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

private Q_SLOTS:
    void init() { rig = std::make_unique<WindowRig>(); }
    void cleanup() { rig.reset(); }

    void drops_data() {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("said"); // the start of the refusal; empty when taken
        const QString file = QDir::temp().filePath("logo.plt");
        const QString one = QUrl::fromLocalFile(file).toString();
        QTest::newRow("one file") << QStringList{one} << false << "";
        QTest::newRow("two files") << QStringList{one, one} << false << "Not opened: drop one";
        QTest::newRow("a folder") << QStringList{QUrl::fromLocalFile(QDir::tempPath()).toString()}
                                  << false << "Not opened: " + QDir::tempPath() + " is a folder";
        QTest::newRow("a web page") << QStringList{"https://example.com/logo.plt"} << false
                                    << "Not opened: https://example.com/logo.plt is not a file";
        QTest::newRow("while busy") << QStringList{one} << true << "Not opened: a logo is being";
    }

    void drops() {
        QFETCH(QStringList, urls);
        QFETCH(bool, busy);
        QFETCH(QString, said);
        QMimeData dropped;
        dropped.setUrls(QList<QUrl>(urls.begin(), urls.end()));
        const DropVerdict verdict = judgeDrop(dropped, busy);
        QCOMPARE(verdict.path.isEmpty(), !said.isEmpty());
        QCOMPARE(verdict.refusal.left(said.size()), said);
    }

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

    // A file's name is shown as it is: a newline cannot make it look like another file, and
    // marks and ampersands are only characters.
    void oddNamesShowAsTheyAre_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a newline") << "decoy.plt\nevil.plt"
                                   << "decoy.plt\u240aevil.plt";
        QTest::newRow("markup") << "<b>ACME.plt"
                                << "<b>ACME.plt";
        QTest::newRow("an ampersand") << "A&B.plt"
                                      << "A&B.plt";
    }

    void oddNamesShowAsTheyAre() {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        const QString path = rig->writeFile(name, "PU;");
        frmMain& main = rig->startFake();
        main.openFile(path);
        QCOMPARE(main.Label1->path(), path);
        QVERIFY2(main.Label1->text().endsWith("/" + shown), qPrintable(main.Label1->text()));
        QCOMPARE(main.Label1->textFormat(), Qt::PlainText);
        QAction* recent = main.mnuFileRecent->actions().first();
        QVERIFY2(recent->text().endsWith(QString(shown).replace("&", "&&")),
                 qPrintable(recent->text()));
        QVERIFY(recent->iconText().endsWith(shown)); // what a menu shows of the text
    }

    // A hand-over during the settle wait is refused, and the download goes on to its end.
    void aHandOverWhileBusyIsRefused() {
        frmMain& main = rig->startFake();
        QString answer;
        rig->fakes.clock.onPause = [&] {
            if (answer.isEmpty())
                answer = main.openFromOutside(rig->writeFile("other.plt", "PU;"));
        };
        rig->loadAndSend("PD;");
        QVERIFY2(answer.contains("being downloaded"), qPrintable(answer));
        QCOMPARE(main.statusText(), QStringLiteral("Waiting for Command"));
        QCOMPARE(rig->fakes.serial.sentBytes(), QByteArray("PD;"));
        QVERIFY(main.openFromOutside(QString()).isEmpty()); // raising is never refused
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
