#include "support/Pty.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace markast::test {

namespace {

void makeRaw(int fd) {
    termios settings{};
    if (tcgetattr(fd, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(fd, TCSANOW, &settings);
    }
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeout.count())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    return true;
}

} // namespace

FarEndReader::FarEndReader(int fd, int bytesPerSecond)
    : fd_(fd), bytesPerSecond_(bytesPerSecond), thread_([this] { run(); }) {}

FarEndReader::~FarEndReader() {
    stop_ = true;
    thread_.join();
    if (fd_ >= 0)
        ::close(fd_);
}

void FarEndReader::run() {
    using Clock = std::chrono::steady_clock;
    std::vector<char> buffer(65536);
    Clock::time_point beat = Clock::now();
    while (!stop_) {
        const int bytesPerSecond = bytesPerSecond_;
        if (bytesPerSecond < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        // A throttled reader takes a tenth of its rate every tenth of a second on a steady
        // beat, like a slow line: a beat it was late for is made up, but not one long gone.
        if (bytesPerSecond > 0) {
            beat = std::max(beat + std::chrono::milliseconds(100),
                            Clock::now() - std::chrono::milliseconds(500));
            std::this_thread::sleep_until(beat);
        }
        const std::size_t chunk =
            bytesPerSecond > 0 ? std::size_t(std::max(1, bytesPerSecond / 10)) : buffer.size();
        pollfd ready{fd_, POLLIN, 0};
        if (::poll(&ready, 1, bytesPerSecond > 0 ? 0 : 20) <= 0)
            continue;
        if (!(ready.revents & POLLIN)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20)); // the other end is gone
            continue;
        }
        const ssize_t got = ::read(fd_, buffer.data(), chunk);
        if (got > 0) {
            std::lock_guard lock(mutex_);
            received_.append(buffer.data(), got);
            lastByte_ = Clock::now();
        }
    }
}

QByteArray FarEndReader::bytes() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::chrono::steady_clock::time_point FarEndReader::lastByteAt() const {
    std::lock_guard lock(mutex_);
    return lastByte_;
}

bool FarEndReader::waitForBytes(qsizetype count, std::chrono::milliseconds timeout) const {
    return waitUntil([&] { return bytes().size() >= count; }, timeout);
}

QByteArray FarEndReader::bytesAfterQuiet(std::chrono::milliseconds quiet) const {
    qsizetype last = -1;
    while (bytes().size() != last) {
        last = bytes().size();
        QThread::msleep(static_cast<unsigned long>(quiet.count()));
    }
    return bytes();
}

bool socatInstalled() {
    return !QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty();
}

SocatPair::SocatPair() : ready_(start()) {}

bool SocatPair::start() {
    socat_.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + programEnd(),
                                           QStringLiteral("pty,raw,echo=0,link=") + farEnd()});
    return socat_.waitForStarted(5000) &&
           waitUntil([&] { return QFile::exists(programEnd()) && QFile::exists(farEnd()); },
                     std::chrono::seconds(5));
}

bool SocatPair::replug() {
    kill();
    QFile::remove(programEnd()); // a killed socat leaves its links behind
    QFile::remove(farEnd());
    return ready_ = start();
}

SocatPair::~SocatPair() {
    kill();
}

int SocatPair::openFarEnd() const {
    const int fd = ::open(farEnd().toLocal8Bit().constData(), O_RDONLY | O_NOCTTY);
    if (fd >= 0)
        makeRaw(fd);
    return fd;
}

void SocatPair::kill() {
    if (socat_.state() != QProcess::NotRunning) {
        socat_.kill();
        socat_.waitForFinished(5000);
    }
}

HeldLine::HeldLine() {
    if (::openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
        master_ = slave_ = -1;
        return;
    }
    makeRaw(slave_);
    makeRaw(master_);
    device_ = QString::fromLocal8Bit(::ttyname(slave_));
    if (::symlink(::ttyname(slave_), programEnd().toLocal8Bit().constData()) != 0) {
        ::close(master_);
        ::close(slave_);
        master_ = slave_ = -1;
    }
}

HeldLine::~HeldLine() {
    if (slave_ >= 0) {
        ::tcflow(slave_, TCOON);
        ::close(slave_);
    }
    if (master_ >= 0)
        ::close(master_);
}

int HeldLine::takeMaster() {
    const int fd = master_;
    master_ = -1;
    return fd;
}

void HeldLine::hold() {
    ::tcflow(slave_, TCOOFF);
}

void HeldLine::release() {
    ::tcflow(slave_, TCOON);
}

std::chrono::microseconds processCpuTime() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto micros = [](const timeval& t) {
        return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec);
    };
    return micros(usage.ru_utime) + micros(usage.ru_stime);
}

} // namespace markast::test
