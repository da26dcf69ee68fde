// What a drop onto the main window offers: one local file, or the reason it is refused.
#include "app/FileDrop.h"

#include <QDir>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace markast;

class TestFileDrop : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
};

QTEST_MAIN(TestFileDrop)
#include "tst_filedrop.moc"
