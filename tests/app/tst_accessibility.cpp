// What a keyboard-only operator gets from the main window. What a screen reader hears is
// checked through the real accessibility bus, by scripts/check-desktop.
#include "about/frmAbout.h"
#include "app/PathLabel.h"
#include "app/StatusBar.h"
#include "support/WindowRig.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace markast;
using namespace markast::test;

class TestAccessibility : public QObject {
    Q_OBJECT

    // The offscreen platform leaves a closed menu as the active window; a desktop gives the
    // activation back to the main window.
    static void activate(QWidget& window) {
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    static QWidget* openPopup() { return QApplication::activePopupWidget(); }

private Q_SLOTS:
    void everyMenuCommandIsReachedFromTheKeyboard() {
        WindowRig rig;
        frmMain& main = rig.startFake();
        activate(main);
        const QString path = rig.writeFile("keys.plt", "PU;PD;");

        // File > Open...
        rig.fakes.fileDialog.answers = {path};
        QTest::keyClick(&main, Qt::Key_F, Qt::AltModifier);
        QVERIFY(openPopup());
        QTest::keyClick(openPopup(), Qt::Key_O);
        QCOMPARE(rig.fakes.fileDialog.setups.size(), std::size_t(1));
        QCOMPARE(main.Label1->text(), path);

        // Actions > Download Logo
        activate(main);
        QTest::keyClick(&main, Qt::Key_A, Qt::AltModifier);
        QVERIFY(openPopup());
        QTest::keyClick(openPopup(), Qt::Key_D);
        QCOMPARE(rig.fakes.serial.sentBytes(), QByteArray("PU;PD;"));
        QCOMPARE(main.sbStatusBar->simpleText(), QStringLiteral("Waiting for Command"));

        // Settings > Com Ports > Com 2
        activate(main);
        rig.fakes.serial.calls.clear();
        QTest::keyClick(&main, Qt::Key_S, Qt::AltModifier);
        QVERIFY(openPopup());
        QTest::keyClick(openPopup(), Qt::Key_C);
        QTRY_COMPARE(openPopup(), static_cast<QWidget*>(main.mnuComPorts));
        QTest::keyClick(openPopup(), Qt::Key_2);
        QVERIFY(main.mniCom2->isChecked());
        QVERIFY(!main.mniCom1->isChecked());
        QVERIFY(rig.fakes.serial.calls.contains("CommPort=2"));

        // Help > About, closed again with Esc
        activate(main);
        bool aboutShown = false;
        QTimer::singleShot(0, &main, [&] {
            QWidget* about = QApplication::activeModalWidget();
            aboutShown = qobject_cast<frmAbout*>(about) != nullptr;
            if (about)
                QTest::keyClick(about, Qt::Key_Escape);
        });
        QTest::keyClick(&main, Qt::Key_H, Qt::AltModifier);
        QVERIFY(openPopup());
        QTest::keyClick(openPopup(), Qt::Key_A);
        QVERIFY(aboutShown);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
