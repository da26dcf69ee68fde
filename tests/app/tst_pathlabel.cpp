// The File frame's path, as shown in the window and in Open Recent.
#include "app/PathLabel.h"
#include "support/WindowRig.h"

#include <QTest>

using namespace markast;
using namespace markast::test;

class TestPathLabel : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

private Q_SLOTS:
    void init() { rig = std::make_unique<WindowRig>(); }
    void cleanup() { rig.reset(); }

    // A file's name is shown as it is: a newline cannot make it look like another file, and
    // marks and ampersands are only characters.
    void oddNamesShowAsTheyAre_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
#ifdef Q_OS_UNIX // Windows allows neither in a file's name
        QTest::newRow("a newline") << "decoy.plt\nevil.plt"
                                   << "decoy.plt\u240aevil.plt";
        QTest::newRow("markup") << "<b>ACME.plt"
                                << "<b>ACME.plt";
#endif
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
};

QTEST_MAIN(TestPathLabel)
#include "tst_pathlabel.moc"
