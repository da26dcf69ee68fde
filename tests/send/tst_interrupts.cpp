// Ctrl-C and Ctrl-Break reach markast-send through the console's handler, which Windows runs
// on a thread of its own, and are noticed in the event loop. (The POSIX signals are tested
// with the program itself.)
#include "send/Interrupts.h"

#include <QTest>

#include <windows.h>

using namespace markast;

class TestInterrupts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // A console of the test's own, so that its events reach no other program.
        FreeConsole();
        if (!AllocConsole())
            QSKIP("no console to send events in");
        SetConsoleCtrlHandler(nullptr, FALSE); // Ctrl-C may come disabled from the parent
    }

    void consoleEventsAreNoticed_data() {
        QTest::addColumn<DWORD>("event");
        QTest::newRow("Ctrl-C") << DWORD(CTRL_C_EVENT);
        QTest::newRow("Ctrl-Break") << DWORD(CTRL_BREAK_EVENT);
    }

    void consoleEventsAreNoticed() {
        QFETCH(DWORD, event);
        const Interrupts interrupts;
        QCoreApplication::processEvents();
        QVERIFY(!interrupts.happened());
        // Wine's console sends Ctrl-C, but not Ctrl-Break.
        if (!GenerateConsoleCtrlEvent(event, 0))
            QSKIP("this console does not send the event");
        // Reaching this line at all says the handler took the event: the default one ends
        // the process.
        QTRY_VERIFY(interrupts.happened());
    }
};

QTEST_GUILESS_MAIN(TestInterrupts)
#include "tst_interrupts.moc"
