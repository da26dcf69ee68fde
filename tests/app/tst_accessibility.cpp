// What a screen reader and a keyboard-only operator get from the main window and the About box.
#include "about/frmAbout.h"
#include "app/PathLabel.h"
#include "app/StatusBar.h"
#include "support/Fakes.h"
#include "support/WindowRig.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace markast;
using namespace markast::test;

namespace {

QString accessibleName(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// Every name below an interface, depth first.
void collectNames(QAccessibleInterface* accessible, QStringList& names) {
    if (!accessible)
        return;
    names.append(accessible->text(QAccessible::Name));
    for (int i = 0; i < accessible->childCount(); ++i)
        collectNames(accessible->child(i), names);
}

QString withoutAccessKey(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    // Every menu item, at any depth, is named by its caption.
    void verifyMenuItems(QWidget* menu) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
        QVERIFY(accessible);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(accessible->childCount(), actions.size());
        for (int i = 0; i < actions.size(); ++i) {
            QCOMPARE(accessible->child(i)->text(QAccessible::Name),
                     withoutAccessKey(actions[i]->text()));
            if (QMenu* submenu = actions[i]->menu())
                verifyMenuItems(submenu);
        }
    }

    // The offscreen platform leaves a closed menu as the active window; a desktop gives the
    // activation back to the main window.
    static void activate(QWidget& window) {
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    static QWidget* openPopup() { return QApplication::activePopupWidget(); }

private Q_SLOTS:
    void theMainWindowNamesEveryControlByItsCaption() {
        WindowRig rig;
        frmMain& main = rig.startFake();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        verifyMenuItems(main.menuBar());
        for (QAction* button : main.tbToolBar->actions()) {
            QCOMPARE(accessibleName(main.tbToolBar->widgetForAction(button)), button->text());
            QVERIFY(!button->text().isEmpty());
        }
        for (QLabel* label : main.findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                QCOMPARE(accessibleName(label), label->text());
        }
        QCOMPARE(accessibleName(main.Frame1), QStringLiteral("File"));
        for (QWidget* widget : main.findChildren<QWidget*>()) {
            if (widget->isVisible())
                QVERIFY2(!accessibleName(widget).isEmpty(), widget->metaObject()->className());
        }

        QStringList names;
        collectNames(QAccessible::queryAccessibleInterface(&main), names);
        QVERIFY(names.contains(QStringLiteral("Waiting for command"))); // the status text
        QVERIFY(names.contains(QStringLiteral("No File Selected")));
        QVERIFY(names.contains(QStringLiteral("Progress")));
    }

    void theAboutBoxNamesEveryControlByItsCaption() {
        WindowRig rig;
        frmMain& main = rig.startFake();
        frmAbout about(&main, {rig.fakes.registry, rig.fakes.processes, rig.fakes.messages});
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(accessibleName(about.cmdOK), QStringLiteral("OK"));
        QCOMPARE(accessibleName(about.cmdSysInfo), QStringLiteral("System Info..."));
        for (QLabel* label : about.findChildren<QLabel*>()) {
            const QString expected =
                label == about.picIcon ? label->accessibleName() : label->text();
            QVERIFY(!expected.isEmpty());
            QCOMPARE(accessibleName(label), expected);
        }
    }

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
