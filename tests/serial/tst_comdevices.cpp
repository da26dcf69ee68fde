// The devices behind COM1 to COM4, and the port start-up takes.
#include "serial/ComDevices.h"

#include <QTest>

#include <optional>

using namespace markast;

class TestComDevices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUpPortIsTheHighestCheckedElseCom1_data() {
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("startUp");
        QTest::newRow("none") << QList<int>{} << 0 << 1;
        QTest::newRow("COM1") << QList<int>{1} << 1 << 1;
        QTest::newRow("COM3") << QList<int>{3} << 3 << 3;
        QTest::newRow("COM2 and COM4") << QList<int>{2, 4} << 4 << 4;
        QTest::newRow("every port") << QList<int>{1, 2, 3, 4} << 4 << 4;
    }

    void startUpPortIsTheHighestCheckedElseCom1() {
        QFETCH(QList<int>, checked);
        QFETCH(int, highest);
        QFETCH(int, startUp);
        const auto isChecked = [&checked](int port) {
            return checked.contains(port);
        };
        QCOMPARE(highestCheckedPort(isChecked), highest);
        QCOMPARE(startUpPort(isChecked), startUp);
    }

    void comDeviceLookupOrder_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<std::optional<QString>>("environment");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<DeviceNaming>("naming");
        QTest::addColumn<QString>("device");
        const std::optional<QString> unset;
        const auto unix = DeviceNaming::Unix;
        const auto windows = DeviceNaming::Windows;
        QTest::newRow("built in") << 1 << unset << "" << unix << "/dev/ttyS0";
        QTest::newRow("built in, Windows") << 3 << unset << "" << windows << "COM3";
        QTest::newRow("stored") << 2 << unset << "/dev/serial/by-id/usb-FTDI-if00" << unix
                                << "/dev/serial/by-id/usb-FTDI-if00";
        QTest::newRow("stored, Windows") << 2 << unset << "COM7" << windows << "COM7";
        QTest::newRow("stored in blanks")
            << 1 << unset << " /dev/ttyUSB0 " << unix << "/dev/ttyUSB0";
        QTest::newRow("stored Default") << 4 << unset << " Default " << unix << "/dev/ttyS3";
        QTest::newRow("stored blanks") << 4 << unset << "   " << windows << "COM4";
        QTest::newRow("environment wins") << 1 << std::optional<QString>("/dev/marker")
                                          << "/dev/ttyUSB0" << unix << "/dev/marker";
        // Windows finds COM10 on only by the name in capitals, with or without \\.\.
        QTest::newRow("com10") << 1 << unset << "com10" << windows << "COM10";
        QTest::newRow("\\\\.\\COM10") << 1 << unset << "\\\\.\\com10" << windows << "COM10";
        QTest::newRow("environment com12")
            << 2 << std::optional<QString>("com12") << "" << windows << "COM12";
        QTest::newRow("com10 elsewhere") << 1 << unset << "com10" << unix << "com10";
        QTest::newRow("network, Windows")
            << 1 << unset << "socket://com1:7000" << windows << "socket://com1:7000";
    }

    void comDeviceLookupOrder() {
        QFETCH(int, port);
        QFETCH(std::optional<QString>, environment);
        QFETCH(QString, stored);
        QFETCH(DeviceNaming, naming);
        QFETCH(QString, device);
        QCOMPARE(resolveComDevice(port, environment, stored, naming), device);
    }
};

QTEST_GUILESS_MAIN(TestComDevices)
#include "tst_comdevices.moc"
