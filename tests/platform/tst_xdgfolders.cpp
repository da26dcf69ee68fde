// The XDG base folders: a relative one is ignored, so that nothing is read from or written to the
// folder Markast was started in.
#include "platform/XdgFolders.h"

#include <QTest>

using namespace markast;

class TestXdgFolders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void relativeFoldersAreIgnored_data() {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("after"); // empty: unset
        QTest::newRow("config home, relative")
            << QByteArray("XDG_CONFIG_HOME") << QByteArray("cfg") << QByteArray();
        QTest::newRow("data home, dot")
            << QByteArray("XDG_DATA_HOME") << QByteArray("./share") << QByteArray();
        QTest::newRow("config home, absolute")
            << QByteArray("XDG_CONFIG_HOME") << QByteArray("/home/op/.config")
            << QByteArray("/home/op/.config");
        QTest::newRow("data folders, mixed")
            << QByteArray("XDG_DATA_DIRS") << QByteArray("share::/usr/share:../x:/opt/share")
            << QByteArray("/usr/share:/opt/share");
        QTest::newRow("config folders, none absolute")
            << QByteArray("XDG_CONFIG_DIRS") << QByteArray("etc:more") << QByteArray();
    }

    void relativeFoldersAreIgnored() {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);
        qputenv(variable.constData(), value);
        ignoreRelativeXdgFolders();
        QCOMPARE(qEnvironmentVariableIsSet(variable.constData()), !after.isEmpty());
        QCOMPARE(qgetenv(variable.constData()), after);
        qunsetenv(variable.constData());
    }
};

QTEST_GUILESS_MAIN(TestXdgFolders)
#include "tst_xdgfolders.moc"
