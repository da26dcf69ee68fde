// The port configuration sequence's texts. The sequence itself runs on real lines in
// tst_mscomm and on a recording control in tst_portselection.
#include "serial/PortConfiguration.h"

#include <QTest>

using namespace markast;

class TestPortConfiguration : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void portPanelTextHoldsASignPlace() {
        QCOMPARE(portPanelText(2, QString()), QStringLiteral("COM 2 : "));
        QCOMPARE(portPanelText(0, QString()), QStringLiteral("COM 0 : "));
        QCOMPARE(portPanelText(12, QStringLiteral("9600,N,8,1")),
                 QStringLiteral("COM 12 : 9600,N,8,1"));
    }
};

QTEST_GUILESS_MAIN(TestPortConfiguration)
#include "tst_portconfiguration.moc"
