// What the Devices dialog can tell of a device without opening it: on Windows a port answers
// to its name in any letter case, with or without "\\.\" before it.
#include "serial/DeviceAccess.h"

#include <QSerialPortInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace markast;

class TestDeviceAccess : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void filesAndFoldersAreNoDevices_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<DeviceAccess>("access");
        QFile file(dir.filePath("logo.plt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QTest::newRow("a file") << file.fileName() << DeviceAccess::NotADevice;
        QTest::newRow("a folder") << dir.path() << DeviceAccess::NotADevice;
        QTest::newRow("nothing") << dir.filePath("ttyUSB9") << DeviceAccess::NotPresent;
        QTest::newRow("no name") << "" << DeviceAccess::NotPresent;
    }

    void filesAndFoldersAreNoDevices() {
        QFETCH(QString, device);
        QFETCH(DeviceAccess, access);
        QCOMPARE(deviceAccess(device), access);
    }

#ifdef Q_OS_WIN
    void aPortAnswersToEachOfItsNames_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<DeviceAccess>("access");
        const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
        if (ports.isEmpty())
            QSKIP("the system reports no serial port");
        const QString name = ports.first().portName();
        QTest::newRow("as reported") << name << DeviceAccess::Ready;
        QTest::newRow("small letters") << name.toLower() << DeviceAccess::Ready;
        QTest::newRow("device path") << "\\\\.\\" + name.toLower() << DeviceAccess::Ready;
        QTest::newRow("no such port") << "COM999" << DeviceAccess::NotPresent;
        QTest::newRow("a port's name inside another") << "x" + name << DeviceAccess::NotPresent;
    }

    void aPortAnswersToEachOfItsNames() {
        QFETCH(QString, device);
        QFETCH(DeviceAccess, access);
        QCOMPARE(deviceAccess(device), access);
    }
#endif
};

QTEST_GUILESS_MAIN(TestDeviceAccess)
#include "tst_deviceaccess.moc"
