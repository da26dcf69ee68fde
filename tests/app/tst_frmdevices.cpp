// The COM Port Devices dialog: what it stores, what it says of each device, and the port
// moving to a new device at once.
#include "app/frmDevices.h"
#include "app/frmMain.h"
#include "serial/ComDevices.h"
#include "support/WindowRig.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;
using StoredValues = QMap<SettingKey, QString>;

class TestFrmDevices : public QObject {
    Q_OBJECT

    // Runs inside the dialog once Settings > Com Ports > Devices... has opened it.
    static void whenDevicesOpen(frmMain& main, const std::function<void(frmDevices&)>& onOpen) {
        QTimer::singleShot(0, &main, [onOpen] {
            auto* dialog = qobject_cast<frmDevices*>(QApplication::activeModalWidget());
            if (!dialog) {
                QTest::qFail("the Devices dialog is not the active modal window", __FILE__,
                             __LINE__);
                return;
            }
            onOpen(*dialog);
        });
        main.mnuDevices->trigger();
    }

private Q_SLOTS:
    void enterStoresTheChoicesAndEscStoresNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<StoredValues>("stored");
        QTest::newRow("Enter") << int(Qt::Key_Return)
                               << StoredValues{{Settings::deviceKey(1), ""},
                                               {Settings::deviceKey(2), "/dev/ttyUSB9"},
                                               {Settings::deviceKey(3), ""},
                                               {Settings::deviceKey(4), "/dev/my marker"}};
        QTest::newRow("Esc") << int(Qt::Key_Escape) << StoredValues();
    }

    void enterStoresTheChoicesAndEscStoresNothing() {
        QFETCH(int, key);
        QFETCH(StoredValues, stored);
        WindowRig rig;
        frmMain& main = rig.startFake();
        rig.fakes.settings.values = {{Settings::deviceKey(3), "/dev/ttyACM0"}};
        bool defaultShown = false;
        whenDevicesOpen(main, [&](frmDevices& dialog) {
            defaultShown = dialog.device(1)->currentText() == "Default (/dev/ttyS0)";
            dialog.device(2)->setEditText("  /dev/ttyUSB9 ");
            dialog.device(3)->setCurrentIndex(0);
            dialog.device(4)->setEditText("/dev/my marker");
            QTest::keyClick(&dialog, Qt::Key(key));
        });
        QVERIFY(defaultShown);
        const StoredValues unchanged{{Settings::deviceKey(3), "/dev/ttyACM0"}};
        QCOMPARE(rig.fakes.settings.values, stored.isEmpty() ? unchanged : stored);
        QCOMPARE(main.mniCom2->toolTip(), stored.isEmpty() ? "/dev/ttyS1" : "/dev/ttyUSB9");
        QCOMPARE(main.mnuComPorts->actions().last(), main.mnuDevices);
    }

    void eachRowSaysWhetherItsDeviceCanBeUsed_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("asOrdinaryUser");
        QTest::addColumn<QString>("state");
        QTest::newRow("missing") << "/nonexistent/ttyUSB0" << false << "not present";
        QTest::newRow("a folder") << "/tmp" << false << "not a serial device";
        QTest::newRow("a terminal") << "pty" << false << "ready";
        QTest::newRow("a terminal of root's") << "pty" << true
                                              << "no permission: add this account to the "
                                                 "dialout group, then log in again";
    }

    void eachRowSaysWhetherItsDeviceCanBeUsed() {
        QFETCH(QString, device);
        QFETCH(bool, asOrdinaryUser);
        QFETCH(QString, state);
        HeldLine line;
        QVERIFY(line.isReady());
        if (device == "pty")
            device = line.deviceName();
        WindowRig rig;
        rig.fakes.settings.values = {{Settings::deviceKey(2), device}};
        const auto rowSays = [&] {
            const frmDevices dialog(nullptr, ComDevices(rig.fakes.settings));
            return dialog.state(2)->text() == state ? 0 : 1;
        };
        QCOMPARE(asOrdinaryUser ? test::asOrdinaryUser(rowSays) : rowSays(), 0);
    }

    void aRowTheEnvironmentSetsOnlyShowsIt() {
        WindowRig rig;
        qputenv("MARKAST_COM3", "/dev/fixed-by-admin");
        rig.fakes.settings.values = {{Settings::deviceKey(3), "/dev/ttyUSB1"}};
        const frmDevices dialog(nullptr, ComDevices(rig.fakes.settings));
        QCOMPARE(dialog.device(3)->currentText(), QStringLiteral("/dev/fixed-by-admin"));
        QVERIFY(!dialog.device(3)->isEnabled());
        QCOMPARE(dialog.state(3)->text(), QStringLiteral("set by MARKAST_COM3"));
        QCOMPARE(dialog.choices().at(2), QStringLiteral("/dev/ttyUSB1"));
    }

    void aNewDeviceForTheCheckedPortTakesOverAtOnceAndAfterARestart() {
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        SocatPair other;
        MARKAST_VERIFY_PAIR(other);
        FarEndReader otherReader(other.openFarEnd());
        frmMain& main = *rig.form;
        whenDevicesOpen(main, [&](frmDevices& dialog) {
            dialog.device(1)->setEditText(other.programEnd());
            dialog.accept();
        });
        QVERIFY(rig.fakes.messages.shown.empty());
        rig.loadAndSend("IN;PA10,10;");
        QVERIFY(otherReader.waitForBytes(11, 10s));
        QCOMPARE(otherReader.bytesAfterQuiet(200ms), QByteArray("IN;PA10,10;"));
        QVERIFY(rig.reader->bytes().isEmpty());

        // The next start opens COM1 on the device chosen.
        QVERIFY(main.close());
        rig.form.reset();
        rig.start(*rig.comm);
        rig.loadAndSend("PU;");
        QVERIFY(otherReader.waitForBytes(14, 10s));
        QCOMPARE(otherReader.bytesAfterQuiet(200ms), QByteArray("IN;PA10,10;PU;"));
    }

    void aDeviceThatCannotBeOpenedTakesThePortFailurePath() {
        WindowRig rig;
        MARKAST_VERIFY_PAIR(rig.startOnPair());
        frmMain& main = *rig.form;
        whenDevicesOpen(main, [&](frmDevices& dialog) {
            dialog.device(1)->setEditText("/nonexistent/ttyUSB0");
            dialog.accept();
        });
        QCOMPARE(rig.fakes.messages.shown.size(), std::size_t(1));
        QCOMPARE(rig.fakes.messages.shown[0].text,
                 QStringLiteral("Invalid Comunication port please try again"));
        QVERIFY(!rig.comm->portOpen());
    }
};

QTEST_MAIN(TestFrmDevices)
#include "tst_frmdevices.moc"
