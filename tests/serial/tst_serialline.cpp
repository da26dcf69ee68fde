// A serial device through Qt Serial Port: bytes handed to the driver directly never overtake
// those still waiting in Qt's buffer.
#include "serial/SerialLine.h"
#include "support/Pty.h"

#include <QTest>

using namespace markast;
using namespace markast::test;
using namespace std::chrono_literals;

class TestSerialLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bytesLeaveInTheOrderGiven() {
        SocatPair pair;
        MARKAST_VERIFY_PAIR(pair);
        FarEndReader reader(pair.openFarEnd());
        SerialLine line;
        QVERIFY(line.open(pair.programEnd(), {}, {}));
        QVERIFY(line.queue("first "));
        QCOMPARE(line.writeNow("second"), 0); // Qt still holds the first bytes
        while (line.queued() > 0)
            QVERIFY(line.waitForWritten(50));
        QCOMPARE(line.writeNow("second"), 6);
        QVERIFY(reader.waitForBytes(12, 5s));
        QCOMPARE(reader.bytes(), QByteArray("first second"));
    }
};

QTEST_GUILESS_MAIN(TestSerialLine)
#include "tst_serialline.moc"
