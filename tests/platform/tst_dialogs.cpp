// The open dialog's filter, made from the marker software's "description|pattern" list.
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QMainWindow>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace markast;

class TestDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filterSplitsIntoEntries() {
        const auto entries =
            parseFilter(QStringLiteral("HPGL Plot Files (*.PLT) |*.plt|Logo Files (*.Dot) |*.Dot"));
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].description, QStringLiteral("HPGL Plot Files (*.PLT) "));
        QCOMPARE(entries[0].patterns, QStringList{"*.plt"});
        QCOMPARE(entries[1].description, QStringLiteral("Logo Files (*.Dot) "));
        QCOMPARE(entries[1].patterns, QStringList{"*.Dot"});
        QCOMPARE(parseFilter(QStringLiteral("All|*.a;*.b|dangling")).size(), 1);
        QCOMPARE(parseFilter(QStringLiteral("All|*.a;*.b"))[0].patterns,
                 QStringList({"*.a", "*.b"}));
    }

    void patternsMatchWithoutRegardToCase() {
        const QStringList filters = qtNameFilters(
            QStringLiteral("HPGL Plot Files (*.PLT) |*.plt|Logo Files (*.Dot) |*.Dot"));
        QCOMPARE(filters.size(), 2);
        QVERIFY(filters[0].startsWith(QStringLiteral("HPGL Plot Files (*.PLT) ")));
        const QString glob = caseInsensitiveGlob(QStringLiteral("*.plt"));
        const auto matches = [&](const QString& name) {
            return QRegularExpression(QRegularExpression::wildcardToRegularExpression(glob))
                .match(name)
                .hasMatch();
        };
        QVERIFY(matches("LOGO.PLT"));
        QVERIFY(matches("logo.plt"));
        QVERIFY(matches("Logo.Plt"));
        QVERIFY(!matches("logo.dot"));
        QVERIFY(!matches("logo.plt.bak"));
    }

    void messageBoxesBelongToTheMainWindow() {
        QMainWindow main;
        main.show();
        QWidget other; // a window the desktop may have made active instead
        other.show();
        QApplication::setActiveWindow(&other);
        QWidget* owner = nullptr;
        QTimer::singleShot(0, &main, [&] {
            QWidget* box = QApplication::activeModalWidget();
            owner = box ? box->parentWidget() : nullptr;
            if (box)
                box->close();
        });
        QtMessageBoxes().show("text", "title", MessageBoxes::Icon::None);
        QCOMPARE(owner, &main);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
