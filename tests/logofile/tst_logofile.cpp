// The logo file's rules, read without a window. The window's load, which shares them, is
// tested in tests/app/tst_logoloader; the failures an operator meets, in tests/faults.
#include "logofile/LogoFile.h"
#include "support/TestData.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <thread>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace markast;
using namespace markast::test;

class TestLogoFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString writeFile(const QString& name, const QByteArray& bytes) {
        return test::writeFile(dir.filePath(name), bytes);
    }

private Q_SLOTS:
    // What the open judges by what it opened, on each system's own side of the seam: only an
    // ordinary file is read, whole and byte for byte.
    void onlyAnOrdinaryFileIsRead_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("problem");
        const QByteArray awkward("\r\n\x1a\0\xff\r", 6);
        QTest::newRow("ordinary") << writeFile("logo.plt", awkward) << int(LogoFileProblem::None);
        QTest::newRow("empty") << writeFile("empty.plt", {}) << int(LogoFileProblem::Empty);
        QTest::newRow("folder") << dir.path() << int(LogoFileProblem::NotAFile);
        QTest::newRow("missing") << dir.filePath("none.plt") << int(LogoFileProblem::Missing);
#ifdef Q_OS_WIN
        QTest::newRow("device") << QStringLiteral("NUL") << int(LogoFileProblem::NotAFile);
#else
        QTest::newRow("device") << QStringLiteral("/dev/null") << int(LogoFileProblem::NotAFile);
#endif
    }
    void onlyAnOrdinaryFileIsRead() {
        QFETCH(QString, path);
        QFETCH(int, problem);
        LogoFileError error;
        const std::optional<LogoBuffer> logo = readLogoFile(path, error);
        QCOMPARE(int(error.problem), problem);
        QCOMPARE(logo.has_value(), problem == int(LogoFileProblem::None));
        if (logo)
            QCOMPARE(logo->payload(), QByteArray("\r\n\x1a\0\xff\r", 6));
    }

#ifdef Q_OS_UNIX
    // A file swapped for a FIFO under the reader, again and again: each read gives the whole
    // file or refuses it, and none waits for a writer that never comes.
    void aFileSwappedForAFifoNeverHangs() {
        const QByteArray bytes("PU0,0;PD100,0;");
        const QString real = writeFile("real.plt", bytes);
        const QString fifo = dir.filePath("fifo");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString path = dir.filePath("swapped.plt");
        const QString next = dir.filePath("next");
        QVERIFY(QFile::link(real, path));
        const int result = inChildProcess(
            [&] {
                std::atomic<bool> stop = false;
                std::thread swapper([&] {
                    for (int i = 0; !stop; ++i) {
                        QFile::link(i % 2 ? fifo : real, next);
                        std::rename(QFile::encodeName(next).constData(),
                                    QFile::encodeName(path).constData());
                    }
                });
                int wrong = 0;
                for (int i = 0; i < 20000; ++i) {
                    LogoFileError error;
                    const std::optional<LogoBuffer> logo = readLogoFile(path, error);
                    wrong += logo ? logo->payload() != bytes
                                  : error.problem != LogoFileProblem::NotAFile;
                }
                stop = true;
                swapper.join();
                return wrong;
            },
            std::chrono::seconds(30));
        QCOMPARE(result, 0);
    }
#endif
};

QTEST_GUILESS_MAIN(TestLogoFile)
#include "tst_logofile.moc"
