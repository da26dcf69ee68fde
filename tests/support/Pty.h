#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace markast::test {

// Reads everything that arrives on a file descriptor, on a thread of its own, so the program
// under test can write as fast as the line lets it.
class FarEndReader {
public:
    // Takes ownership of fd. bytesPerSecond 0 reads as fast as possible.
    explicit FarEndReader(int fd, int bytesPerSecond = 0);
    ~FarEndReader();
    FarEndReader(const FarEndReader&) = delete;
    FarEndReader& operator=(const FarEndReader&) = delete;

    QByteArray bytes() const;
    // When the last byte so far arrived.
    std::chrono::steady_clock::time_point lastByteAt() const;
    // From now on reads at this rate, as a line at that rate would; 0 reads as fast as
    // possible, -1 reads nothing.
    void setBytesPerSecond(int bytesPerSecond) { bytesPerSecond_ = bytesPerSecond; }
    // Processes Qt events while waiting; true when at least count bytes have arrived.
    bool waitForBytes(qsizetype count, std::chrono::milliseconds timeout) const;
    // True when nothing more arrives within quiet.
    QByteArray bytesAfterQuiet(std::chrono::milliseconds quiet) const;

private:
    void run();

    int fd_;
    std::atomic<int> bytesPerSecond_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    QByteArray received_;
    std::chrono::steady_clock::time_point lastByte_;
    std::thread thread_;
};

// A pseudo-terminal pair made by socat: the program opens one end, the test reads the other.
class SocatPair {
public:
    SocatPair();
    ~SocatPair();

    bool isReady() const { return ready_; }
    QString programEnd() const { return dir_.filePath(QStringLiteral("program")); }
    QString farEnd() const { return dir_.filePath(QStringLiteral("far")); }
    // Opens the far end raw for reading.
    int openFarEnd() const;
    // Ends socat at once, as when the cable is pulled from the far end.
    void kill();
    // A new pair at the same paths, as when the adapter is plugged in again.
    bool replug();

private:
    bool start();

    QTemporaryDir dir_;
    QProcess socat_;
    bool ready_ = false;
};

// A pseudo-terminal we open ourselves, so the test can stop the program's output as a marker
// holding CTS low would.
class HeldLine {
public:
    HeldLine();
    ~HeldLine();

    bool isReady() const { return slave_ >= 0; }
    QString programEnd() const { return dir_.filePath(QStringLiteral("program")); }
    // The terminal device itself, as the system names it.
    QString deviceName() const { return device_; }
    // Hands the reading end to a reader; call once.
    int takeMaster();
    void hold();
    void release();

private:
    QTemporaryDir dir_;
    QString device_;
    int master_ = -1;
    int slave_ = -1;
};

// Whether socat, which makes the pseudo-terminal pairs, is installed.
bool socatInstalled();

// Fails the test when a socat pair did not come up, and skips it when socat is not installed.
#define MARKAST_VERIFY_PAIR(pair)                                                                  \
    do {                                                                                           \
        if (!markast::test::socatInstalled())                                                      \
            QSKIP("socat is not installed (apt install socat): no pseudo-terminal pair");          \
        QVERIFY((pair).isReady());                                                                 \
    } while (false)

// Processor time this process has used so far.
std::chrono::microseconds processCpuTime();

} // namespace markast::test
