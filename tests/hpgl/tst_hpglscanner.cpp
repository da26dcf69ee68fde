// Scanning HP-GL: which instructions a plotter sees among a printer job's wrapping.
#include "hpgl/HpglScanner.h"

#include <QTest>

using namespace markast::hpgl;

class TestHpglScanner : public QObject {
    Q_OBJECT

    // The mnemonics in bytes, each with the count of its parameters where it has any.
    static QString seen(const QByteArray& bytes) {
        Scanner in(bytes);
        QStringList mnemonics;
        while (const std::optional<Mnemonic> mnemonic = in.nextMnemonic()) {
            QString text = QString(QLatin1Char(mnemonic->first)) + QLatin1Char(mnemonic->second);
            if (text == "CO") {
                in.skipComment();
            } else if (const std::size_t count = in.parameters().size()) {
                text += QString::number(count);
            }
            mnemonics.append(text);
        }
        return mnemonics.join(' ');
    }

private Q_SLOTS:
    void wrappingIsSkipped_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mnemonics");
        QTest::newRow("a PJL job around HP-GL/2")
            << QByteArray("\0\0\0\x1b%-12345X@PJL JOB NAME=\"PD PU\"\r\n"
                          "@PJL SET USERNAME=\"Sam PA\"\n@PJL ENTER LANGUAGE=HPGL2\n"
                          "\x1b"
                          "E\x1b%1BIN;PD1,2;\x1b%0A\x1b"
                          "E\x1b%-12345X@PJL EOJ NAME=\"SP\"\n",
                          123)
            << "IN PD2";
        QTest::newRow("PCL escapes with several values")
            << QByteArray("\x1b&l1o0E\x1b(s1p10h0s3b4099T\x1b(8UIN;") << "IN";
        QTest::newRow("PCL data bytes") << QByteArray("\x1b*b5WPDPD,IN;PU;") << "IN PU";
        QTest::newRow("PCL reset and a plotter's escape") << QByteArray("\x1b"
                                                                        "E\x1b.I81;;17:\x1b.(IN;")
                                                          << "IN";
        QTest::newRow("NUL padding between instructions")
            << QByteArray("IN;\0\0\0PD1,1;\0", 14) << "IN PD2";
        QTest::newRow("a quoted comment") << QByteArray("CO \"PD PU\";IN;") << "CO IN";
        QTest::newRow("a stray quote hides nothing") << QByteArray("CO\"IN;PD1,1;") << "CO IN PD2";
    }

    void wrappingIsSkipped() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mnemonics);
        QCOMPARE(seen(bytes), mnemonics);
    }
};

QTEST_GUILESS_MAIN(TestHpglScanner)
#include "tst_hpglscanner.moc"
